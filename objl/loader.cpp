// objl::Loader: reads a Wavefront OBJ model and its MTL materials into meshes of triangles.
#include "objl/loader.h"

#include <new>
#include <sstream>

#include "objl/text_helpers.h"
#include "objl/triangulate_polygon.h"

namespace objl {

using algorithm::ElementAt;
using algorithm::ElementResult;
using algorithm::FirstToken;
using algorithm::ParseFloat;
using algorithm::ParseInt;
using algorithm::RestOfLine;
using algorithm::Split;
using algorithm::TrimLineBreaks;

namespace {

enum class FaceResult { Built, BadNumber };

// Parses three (or two) float fields of a "v", "vn", "Ka"... value list.
// False with `*badNumber` set when a field does not convert.
bool parseFloats(const std::vector<std::string>& fields, std::size_t count, float* values,
                 bool* badNumber) {
    for (std::size_t i = 0; i < count; ++i) {
        if (!ParseFloat(fields[i], &values[i])) {
            *badNumber = true;
            return false;
        }
    }
    return true;
}

// The vertices of one "f" line, one per usable corner. A corner whose index does not name an
// existing element, or that has no or more than three fields, is left out; a face that needs
// a generated normal but keeps fewer than three corners yields no vertices.
FaceResult BuildFaceVertices(const std::string& line, const std::vector<Vector3>& positions,
                             const std::vector<Vector2>& texCoords,
                             const std::vector<Vector3>& normals, std::vector<Vertex>* face) {
    bool normalMissing = false;
    for (const std::string& corner : Split(RestOfLine(line), ' ')) {
        const std::vector<std::string> fields = Split(corner, '/');
        if (fields.empty() || fields.size() > 3) {
            continue;
        }
        Vertex vertex;
        ElementResult result = ElementAt(positions, fields[0], &vertex.Position);
        if (result == ElementResult::Found && fields.size() == 2) {
            result = ElementAt(texCoords, fields[1], &vertex.TexCoord);
        } else if (result == ElementResult::Found && fields.size() == 3) {
            if (!fields[1].empty()) {
                result = ElementAt(texCoords, fields[1], &vertex.TexCoord);
            }
            if (result == ElementResult::Found) {
                result = ElementAt(normals, fields[2], &vertex.Normal);
            }
        }
        if (result == ElementResult::BadNumber) {
            return FaceResult::BadNumber;
        }
        if (result == ElementResult::OutOfRange) {
            continue;
        }
        if (fields.size() < 3) {
            normalMissing = true;
        }
        face->push_back(vertex);
    }
    if (normalMissing) {
        if (face->size() < 3) {
            face->clear();
            return FaceResult::Built;
        }
        const Vector3 a = (*face)[0].Position - (*face)[1].Position;
        const Vector3 b = (*face)[2].Position - (*face)[1].Position;
        const Vector3 normal = CrossProduct(a, b);
        for (Vertex& vertex : *face) {
            vertex.Normal = normal;
        }
    }
    return FaceResult::Built;
}

bool isMeshStart(const std::string& line, const std::string& first) {
    return first == "o" || first == "g" || (!line.empty() && line[0] == 'g');
}

}  // namespace

void Loader::readResource(unsigned short id, std::string* text) const {
    text->clear();
    const ResourceText resource = ReadResource != nullptr ? ReadResource(id) : ResourceText{};
    if (resource.data != nullptr) {
        text->assign(resource.data, resource.size);
    }
}

bool Loader::LoadModel(unsigned short objResourceId, unsigned short mtlResourceId) {
    try {
        std::string objText;
        readResource(objResourceId, &objText);
        return parseModel(objText, mtlResourceId, nullptr) == ParseResult::Done &&
               !(Meshes.empty() && AllVertices.empty() && AllIndices.empty());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool Loader::LoadModelFromText(const std::string& objText, const std::string& mtlText) {
    try {
        return parseModel(objText, 0, &mtlText) == ParseResult::Done &&
               !(Meshes.empty() && AllVertices.empty() && AllIndices.empty());
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool Loader::LoadMaterials(unsigned short mtlResourceId) {
    try {
        std::string mtlText;
        readResource(mtlResourceId, &mtlText);
        return parseMaterials(mtlText) == ParseResult::Done && !Materials.empty();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool Loader::LoadMaterialsFromText(const std::string& mtlText) {
    try {
        return parseMaterials(mtlText) == ParseResult::Done && !Materials.empty();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

Loader::ParseResult Loader::parseModel(const std::string& objText, unsigned short mtlResourceId,
                                       const std::string* mtlText) {
    std::istringstream reader;
    try {
        reader.str(objText);
    } catch (const std::bad_alloc&) {
        return ParseResult::OutOfMemory;  // nothing changed yet
    }

    Meshes.clear();
    AllVertices.clear();
    AllIndices.clear();

    std::vector<Vector3> positions;
    std::vector<Vector2> texCoords;
    std::vector<Vector3> normals;
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    std::vector<std::string> materialNames;
    bool listening = false;
    std::string meshName;
    unsigned int progressCounter = 1000;

    auto endProgressLine = [this] {
        if (Progress != nullptr) {
            *Progress << "\n" << std::flush;
        }
    };
    auto closeMesh = [&](const std::string& name) {
        Mesh mesh(vertices, indices);
        mesh.Name = name;
        Meshes.push_back(mesh);
        vertices.clear();
        indices.clear();
    };
    // A conversion failure ends the load with nothing half-built left behind.
    auto fail = [this] {
        Meshes.clear();
        AllVertices.clear();
        AllIndices.clear();
        return ParseResult::BadNumber;
    };

    std::string line;
    while (std::getline(reader, line)) {
        // Drops each carriage return together with the character after it.
        for (std::size_t cr = line.find('\r'); cr != std::string::npos; cr = line.find('\r')) {
            line.erase(cr, 2);
        }

        progressCounter = (progressCounter + 1) % 1000;
        if (progressCounter == 1 && !meshName.empty() && Progress != nullptr) {
            *Progress << "\r- " << meshName << "\t| vertices > " << positions.size()
                      << "\t| texcoords > " << texCoords.size() << "\t| normals > "
                      << normals.size() << "\t| triangles > " << (vertices.size() / 3);
            if (!materialNames.empty()) {
                *Progress << "\t| material: " << materialNames.back();
            }
        }

        const std::string first = FirstToken(line);
        const bool objectOrGroup = first == "o" || first == "g";
        if (isMeshStart(line, first)) {
            if (!listening) {
                listening = true;
                meshName = objectOrGroup ? RestOfLine(line) : "unnamed";
            } else if (!indices.empty() && !vertices.empty()) {
                closeMesh(meshName);
                meshName = RestOfLine(line);
            } else {
                meshName = objectOrGroup ? RestOfLine(line) : "unnamed";
            }
            endProgressLine();
            progressCounter = 0;
        } else if (first == "v" || first == "vn") {
            const std::vector<std::string> fields = Split(RestOfLine(line), ' ');
            float values[3];
            bool badNumber = false;
            if (fields.size() >= 3 && parseFloats(fields, 3, values, &badNumber)) {
                (first == "v" ? positions : normals)
                    .push_back(Vector3(values[0], values[1], values[2]));
            }
            if (badNumber) {
                return fail();
            }
        } else if (first == "vt") {
            const std::vector<std::string> fields = Split(RestOfLine(line), ' ');
            float values[2];
            bool badNumber = false;
            if (fields.size() >= 2 && parseFloats(fields, 2, values, &badNumber)) {
                texCoords.push_back(Vector2(values[0], values[1]));
            }
            if (badNumber) {
                return fail();
            }
        } else if (first == "f") {
            std::vector<Vertex> face;
            if (BuildFaceVertices(line, positions, texCoords, normals, &face) ==
                FaceResult::BadNumber) {
                return fail();
            }
            for (const Vertex& vertex : face) {
                vertices.push_back(vertex);
                AllVertices.push_back(vertex);
            }
            std::vector<std::uint32_t> corners;
            TriangulatePolygon(face, corners);
            const std::size_t localBase = vertices.size() - face.size();
            const std::size_t globalBase = AllVertices.size() - face.size();
            for (std::uint32_t corner : corners) {
                indices.push_back(static_cast<std::uint32_t>(localBase + corner));
                AllIndices.push_back(static_cast<std::uint32_t>(globalBase + corner));
            }
        } else if (first == "usemtl") {
            materialNames.push_back(RestOfLine(line));
            if (!indices.empty() && !vertices.empty()) {
                closeMesh(meshName + "_2");
            }
            progressCounter = 0;
        } else if (first == "mtllib") {
            // The file name on the line is not used: the caller named the material text.
            ParseResult materials;
            if (mtlText != nullptr) {
                materials = parseMaterials(*mtlText);
            } else {
                std::string text;
                readResource(mtlResourceId, &text);
                materials = parseMaterials(text);
            }
            if (materials == ParseResult::BadNumber) {
                return fail();
            }
        }
    }

    endProgressLine();
    if (!indices.empty() && !vertices.empty()) {
        closeMesh(meshName);
    }

    // The i-th "usemtl" name decides the material of the i-th mesh; names beyond the last
    // mesh have no mesh to go to.
    for (std::size_t i = 0; i < materialNames.size() && i < Meshes.size(); ++i) {
        for (const Material& material : Materials) {
            if (material.Name == materialNames[i]) {
                Meshes[i].AppliedMaterial = material;
                break;
            }
        }
    }
    return ParseResult::Done;
}

Loader::ParseResult Loader::parseMaterials(const std::string& mtlText) {
    std::istringstream reader;
    try {
        reader.str(mtlText);
    } catch (const std::bad_alloc&) {
        return ParseResult::OutOfMemory;
    }

    const std::size_t materialsBefore = Materials.size();
    auto fail = [this, materialsBefore] {
        Materials.resize(materialsBefore);
        return ParseResult::BadNumber;
    };

    Material material;
    bool newmtlSeen = false;
    std::string line;
    while (std::getline(reader, line)) {
        const std::string first = FirstToken(line);
        if (first == "newmtl") {
            if (newmtlSeen) {
                Materials.push_back(material);
                material = Material();
            } else {
                newmtlSeen = true;
            }
            material.Name = line.size() <= 7 ? "none" : TrimLineBreaks(RestOfLine(line));
        } else if (first == "Ka" || first == "Kd" || first == "Ks") {
            const std::vector<std::string> fields = Split(RestOfLine(line), ' ');
            if (fields.size() != 3) {
                continue;
            }
            float values[3];
            bool badNumber = false;
            if (!parseFloats(fields, 3, values, &badNumber)) {
                return fail();
            }
            Vector3& colour = first == "Ka"   ? material.Ka
                              : first == "Kd" ? material.Kd
                                              : material.Ks;
            colour = Vector3(values[0], values[1], values[2]);
        } else if (first == "Ns" || first == "Ni" || first == "d") {
            float value = 0.0f;
            if (!ParseFloat(RestOfLine(line), &value)) {
                return fail();
            }
            (first == "Ns" ? material.Ns : first == "Ni" ? material.Ni : material.d) = value;
        } else if (first == "illum") {
            if (!ParseInt(RestOfLine(line), &material.illum)) {
                return fail();
            }
        } else if (first == "map_Ka") {
            material.map_Ka = RestOfLine(line);
        } else if (first == "map_Kd") {
            material.map_Kd = RestOfLine(line);
        } else if (first == "map_Ks") {
            material.map_Ks = RestOfLine(line);
        } else if (first == "map_Ns") {
            material.map_Ns = RestOfLine(line);
        } else if (first == "map_d") {
            material.map_d = RestOfLine(line);
        } else if (first == "map_Bump" || first == "map_bump" || first == "bump") {
            material.map_bump = RestOfLine(line);
        }
    }
    Materials.push_back(material);
    return ParseResult::Done;
}

}  // namespace objl
