// OBJ/MTL loading: the rectangle model from the embedded resources, statement forms, mesh
// boundaries, materials, progress text and the bounded reactions to malformed text.
#include "objl/loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "platform/platform.h"
#include "resources/resource_ids.h"

using objl::Loader;
using objl::Vector3;

namespace {

objl::ResourceText readTextFile(unsigned short id) {
    const platform::ResourceBytes bytes = platform::findResource(RT_TEXTFILE_NAME, id);
    return {reinterpret_cast<const char*>(bytes.data), bytes.size};
}

// A loader whose progress text goes to `progress` (or nowhere).
struct TextLoader {
    explicit TextLoader(std::ostream* progress = nullptr) { loader.Progress = progress; }
    bool load(const std::string& obj, const std::string& mtl = "") {
        return loader.LoadModelFromText(obj, mtl);
    }
    Loader loader;
};

void expectVector(const Vector3& actual, float x, float y, float z, const std::string& what) {
    EXPECT_EQ(actual.X, x) << what;
    EXPECT_EQ(actual.Y, y) << what;
    EXPECT_EQ(actual.Z, z) << what;
}

const char* const kSquare =
    "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvn 0 0 1\nvn 0 0 -1\n";

}  // namespace

TEST(Loader, RectangleModelFromTheEmbeddedResources) {
    std::ostringstream progress;
    Loader loader(readTextFile);
    loader.Progress = &progress;
    ASSERT_TRUE(loader.LoadModel(IDR_RECTANGLE_OBJ, IDR_RECTANGLE_MTL));

    ASSERT_EQ(loader.Meshes.size(), 1u);
    const objl::Mesh& mesh = loader.Meshes[0];
    EXPECT_EQ(mesh.Name, "Plane001");
    ASSERT_EQ(mesh.Vertices.size(), 6u);
    EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    for (const objl::Vertex& vertex : mesh.Vertices) {
        expectVector(vertex.Normal, 0.0f, -0.0f, 1.0f, "normal");
        EXPECT_TRUE(std::signbit(vertex.Normal.Y));
        EXPECT_EQ(std::fabs(vertex.Position.X), 1.0f);
        EXPECT_EQ(std::fabs(vertex.Position.Y), 1.0f);
        EXPECT_EQ(vertex.Position.Z, 0.0f);
        // Texture coordinates follow the corner: (u, v) = ((x + 1) / 2, (y + 1) / 2).
        EXPECT_EQ(vertex.TexCoord.X, (vertex.Position.X + 1.0f) / 2.0f);
        EXPECT_EQ(vertex.TexCoord.Y, (vertex.Position.Y + 1.0f) / 2.0f);
    }

    const objl::Material& material = mesh.AppliedMaterial;
    EXPECT_EQ(material.Name, "wire_198225087");
    expectVector(material.Ka, 0.7765f, 0.8824f, 0.3412f, "Ka");
    expectVector(material.Kd, 0.7765f, 0.8824f, 0.3412f, "Kd");
    expectVector(material.Ks, 0.35f, 0.35f, 0.35f, "Ks");
    EXPECT_EQ(material.Ns, 32.0f);
    EXPECT_EQ(material.Ni, 0.0f);
    EXPECT_EQ(material.d, 1.0f);
    EXPECT_EQ(material.illum, 2);
    EXPECT_TRUE(material.map_Ka.empty() && material.map_Kd.empty() && material.map_Ks.empty() &&
                material.map_Ns.empty() && material.map_d.empty() && material.map_bump.empty());
    ASSERT_EQ(loader.Materials.size(), 1u);

    ASSERT_EQ(loader.AllVertices.size(), 6u);
    EXPECT_EQ(loader.AllIndices, mesh.Indices);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(loader.AllVertices[i].Position, mesh.Vertices[i].Position);
    }
    // Progress text at the line after "o" and at the line after "usemtl", each written
    // before that line is read.
    EXPECT_EQ(progress.str(),
              "\n\r- Plane001\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0"
              "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0"
              "\t| material: wire_198225087\n");
}

TEST(Loader, MissingResourcesGiveNoModel) {
    Loader withoutReader;
    withoutReader.Progress = nullptr;
    EXPECT_FALSE(withoutReader.LoadModel(IDR_RECTANGLE_OBJ, IDR_RECTANGLE_MTL));

    Loader loader(readTextFile);
    loader.Progress = nullptr;
    EXPECT_FALSE(loader.LoadModel(9999, IDR_RECTANGLE_MTL));
    // A missing material text still yields one default material.
    EXPECT_TRUE(loader.LoadMaterials(9999));
    ASSERT_EQ(loader.Materials.size(), 1u);
    EXPECT_EQ(loader.Materials[0].Name, "");
}

TEST(Loader, FaceCornerForms) {
    struct Case {
        const char* face;
        std::size_t vertices;
        Vector3 normal;       // of every vertex
        objl::Vector2 third;  // texture coordinate of the third vertex
    };
    // Generated normal of corners (0,0,0), (1,0,0), (1,1,0): (p0 - p1) x (p2 - p1) = (0,0,-1).
    const Case cases[] = {
        {"f 1/1/1 2/2/1 3/3/1 \r", 3, {0, 0, 1}, {1, 1}},
        {"f 1//2 2//2 3//2", 3, {0, 0, -1}, {0, 0}},
        {"f 1 2 3", 3, {0, 0, -1}, {0, 0}},
        {"f 1/1 2/2 3/3", 3, {0, 0, -1}, {1, 1}},
        {"f 1/1/1 2/2/1 3", 3, {0, 0, -1}, {0, 0}},  // one short corner: generated for all
        {"f -4 -3 -2", 3, {0, 0, -1}, {0, 0}},       // the last positions read so far
    };
    for (const Case& c : cases) {
        TextLoader text;
        ASSERT_TRUE(text.load(std::string(kSquare) + c.face)) << c.face;
        const objl::Mesh& mesh = text.loader.Meshes.at(0);
        ASSERT_EQ(mesh.Vertices.size(), c.vertices) << c.face;
        EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2})) << c.face;
        for (const objl::Vertex& vertex : mesh.Vertices) {
            EXPECT_EQ(vertex.Normal, c.normal) << c.face;
        }
        EXPECT_EQ(mesh.Vertices[2].TexCoord.X, c.third.X) << c.face;
        EXPECT_EQ(mesh.Vertices[2].TexCoord.Y, c.third.Y) << c.face;
        expectVector(mesh.Vertices[2].Position, 1, 1, 0, c.face);
    }
}

TEST(Loader, NegativeIndicesCountFromTheLastElementReadSoFar) {
    TextLoader text;
    ASSERT_TRUE(text.load("v 0 0 0\nv 1 0 0\nv 0 1 0\nf -3 -2 -1\nv 5 5 5\nf -4 -3 -1\n"));
    const objl::Mesh& mesh = text.loader.Meshes.at(0);
    ASSERT_EQ(mesh.Vertices.size(), 6u);
    expectVector(mesh.Vertices[2].Position, 0, 1, 0, "first face");
    expectVector(mesh.Vertices[5].Position, 5, 5, 5, "second face");
    EXPECT_EQ(mesh.Indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
}

TEST(Loader, MeshBoundariesAndNames) {
    struct Case {
        const char* name;
        std::string obj;
        std::vector<std::string> meshNames;
    };
    const std::string tri = "f 1 2 3\n";
    const std::string v = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    const Case cases[] = {
        {"no mesh-start line", v + tri, {""}},
        {"faces before the first o join it",
         v + tri + "o First\n" + tri + "o Second\n" + tri,
         {"First", "Second"}},
        {"o without a name", v + "o\n" + tri, {""}},
        {"g names too", v + "g Group1\n" + tri, {"Group1"}},
        {"'group A' first is unnamed", v + "group A\n" + tri, {"unnamed"}},
        {"'group A' closing geometry names the next mesh A",
         v + "o One\n" + tri + "group A\n" + tri,
         {"One", "A"}},
        {"mesh start without geometry only renames", v + "o One\no Two\n" + tri, {"Two"}},
        {"usemtl before any face closes nothing", v + "o One\nusemtl m\n" + tri, {"One"}},
        {"usemtl after faces closes with _2",
         v + "o One\n" + tri + "usemtl a\n" + tri + "usemtl b\n" + tri,
         {"One_2", "One_2", "One"}},
        {"carriage returns take the next character along",
         "v 0 0 0\r\nv 1 0 0\r\nv 0 1 0\r\no Pl\rXane\r\n" + tri,
         {"Plane"}},
    };
    for (const Case& c : cases) {
        TextLoader text;
        ASSERT_TRUE(text.load(c.obj)) << c.name;
        std::vector<std::string> names;
        for (const objl::Mesh& mesh : text.loader.Meshes) {
            names.push_back(mesh.Name);
            EXPECT_EQ(mesh.Indices.size() % 3, 0u) << c.name;
        }
        EXPECT_EQ(names, c.meshNames) << c.name;
    }
}

TEST(Loader, TwoCornerFaceAddsVerticesButNoMesh) {
    TextLoader text;
    ASSERT_TRUE(text.load("v 0 0 0\nv 1 0 0\nvn 0 0 1\nf 1//1 2//1\n"));
    EXPECT_TRUE(text.loader.Meshes.empty());
    EXPECT_EQ(text.loader.AllVertices.size(), 2u);
    EXPECT_TRUE(text.loader.AllIndices.empty());
}

TEST(Loader, MaterialsAttachByPositionOfTheirUsemtlLine) {
    const std::string mtl =
        "newmtl red\r\nKd 1 0 0\r\nNs 10\r\n\r\nnewmtl blue\r\nKd 0 0 1\r\nmap_Kd sea.png\r\n";
    const std::string obj =
        "mtllib any_name.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\n"
        "o A\nusemtl blue\nf 1 2 3\no B\nusemtl red\nf 1 2 3\n";
    TextLoader text;
    ASSERT_TRUE(text.load(obj, mtl));
    ASSERT_EQ(text.loader.Meshes.size(), 2u);
    EXPECT_EQ(text.loader.Meshes[0].AppliedMaterial.Name, "blue");
    EXPECT_EQ(text.loader.Meshes[0].AppliedMaterial.map_Kd, "sea.png\r");  // text values keep CR
    EXPECT_EQ(text.loader.Meshes[1].AppliedMaterial.Name, "red");
    EXPECT_EQ(text.loader.Meshes[1].AppliedMaterial.Ns, 10.0f);

    // More names than meshes: the extra names are dropped, an unknown name leaves the default.
    TextLoader extra;
    ASSERT_TRUE(
        extra.load("mtllib x\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl nothing\nf 1 2 3\n"
                   "usemtl red\nusemtl blue\n",
                   mtl));
    ASSERT_EQ(extra.loader.Meshes.size(), 1u);
    EXPECT_EQ(extra.loader.Meshes[0].AppliedMaterial.Name, "");

    // Every mtllib line reads the library again; the first match wins all the same.
    TextLoader twice;
    ASSERT_TRUE(twice.load("mtllib a\n" + obj, mtl));
    EXPECT_EQ(twice.loader.Materials.size(), 4u);
    EXPECT_EQ(twice.loader.Meshes[0].AppliedMaterial.Name, "blue");
}

TEST(Loader, MaterialLibraryLines) {
    struct Case {
        const char* name;
        std::string mtl;
        std::vector<std::string> names;
        Vector3 firstKa;
        std::int32_t firstIllum;
    };
    const Case cases[] = {
        {"no newmtl: one default material", "Ka 1 1 1\r\n", {""}, {1, 1, 1}, 0},
        {"newmtl alone is none", "newmtl\nillum 3\n", {"none"}, {}, 3},
        {"seven characters are none", "newmtl \nnewmtl a\n", {"none", "a"}, {}, 0},
        {"a CR glued to the key is no newmtl", "newmtl\r\nillum 3\r\n", {""}, {}, 3},
        {"two values leave Ka", "newmtl mat1\r\nKa 1 1\r\n", {"mat1"}, {}, 0},
        {"four values leave Ka", "newmtl mat1\r\nKa 1 1 1 1\r\n", {"mat1"}, {}, 0},
        {"a blank before CR is a fourth value", "newmtl mat1\r\nKa 1 1 1 \r\n", {"mat1"}, {}, 0},
        {"Tr, Tf and comments are ignored",
         "# c\nnewmtl mat1\nTr 0\nTf 1 1 1\nKa 0.5 0 1\n",
         {"mat1"},
         {0.5f, 0, 1},
         0},
    };
    for (const Case& c : cases) {
        Loader loader;
        ASSERT_TRUE(loader.LoadMaterialsFromText(c.mtl)) << c.name;
        std::vector<std::string> names;
        for (const objl::Material& material : loader.Materials) {
            names.push_back(material.Name);
        }
        EXPECT_EQ(names, c.names) << c.name;
        EXPECT_EQ(loader.Materials[0].Ka, c.firstKa) << c.name;
        EXPECT_EQ(loader.Materials[0].illum, c.firstIllum) << c.name;
    }
}

TEST(Loader, NumbersThatDoNotConvertFailTheLoad) {
    const std::string v = "v 0 0 0\nv 1 0 0\nv 0 1 0\no A\nf 1 2 3\n";
    const char* const badObj[] = {
        "v 1  2 3\n",           // an empty field between two spaces
        "vt x 1\n",             //
        "vn 0 0 1e99\n",        // out of float range
        "f /1 2 3\n",           // a corner that starts with "/"
        "f 1// 2 3\n",          // v/vt with an empty texture index
        "f 99999999999 2 3\n",  // out of integer range
    };
    for (const char* bad : badObj) {
        TextLoader text;
        EXPECT_FALSE(text.load(v + bad + "o B\nf 1 2 3\n")) << bad;
        EXPECT_TRUE(text.loader.Meshes.empty() && text.loader.AllVertices.empty() &&
                    text.loader.AllIndices.empty())
            << bad;
    }
    const char* const badMtl[] = {"Ns\n", "Ns abc\n", "d 1e40\n", "illum x\n", "Ka 1 x 1\n"};
    for (const char* bad : badMtl) {
        TextLoader text;
        EXPECT_FALSE(text.load("mtllib m\n" + v, std::string("newmtl mat1\n") + bad)) << bad;
        EXPECT_TRUE(text.loader.Materials.empty()) << bad;
        EXPECT_FALSE(text.loader.LoadMaterialsFromText(std::string("newmtl mat1\n") + bad)) << bad;
    }
}

TEST(Loader, DataOutsideTheLimitsIsSkipped) {
    struct Case {
        const char* name;
        std::string obj;
        std::size_t vertices;  // in AllVertices
        std::size_t indices;   // in AllIndices
    };
    const std::string v = "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\n";
    const Case cases[] = {
        {"index 0", v + "f 0 1 2 3\n", 3, 3},
        {"position index past the end", v + "f 1 2 3 4\n", 3, 3},
        {"negative index past the start", v + "f -4 1 2 3\n", 3, 3},
        {"texture index past the end", v + "f 1/2 2/1 3/1\n", 0, 0},  // too few corners left
        {"normal index past the end", v + "f 1//1 2//2 3//1\n", 2, 0},
        {"corner of four fields", v + "f 1/1/1/1 1/1/1 2/1/1 3/1/1\n", 3, 3},
        {"empty corner from two spaces", v + "f 1  2 3\n", 3, 3},
        {"v short of values", "v 0 0\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", 3, 3},
        {"vt and vn short of values", v + "vt 1\nvn 1 1\nf 1/2/2 2/1/1 3/1/1\n", 2, 0},
        {"generated normal needs three corners", v + "f 1 2\n", 0, 0},
        {"face before any position", "f 1 2 3\n" + v, 0, 0},
    };
    for (const Case& c : cases) {
        TextLoader text;
        text.load(c.obj);
        EXPECT_EQ(text.loader.AllVertices.size(), c.vertices) << c.name;
        EXPECT_EQ(text.loader.AllIndices.size(), c.indices) << c.name;
        for (const objl::Mesh& mesh : text.loader.Meshes) {
            for (std::uint32_t index : mesh.Indices) {
                EXPECT_LT(index, mesh.Vertices.size()) << c.name;
            }
        }
    }
}

TEST(Loader, ProgressTextEveryThousandLines) {
    std::string obj = "o Big\nv 0 0 0\nv 1 0 0\nv 0 1 0\n";
    for (int i = 0; i < 1000; ++i) {
        obj += "f 1 2 3\n";
    }
    std::ostringstream progress;
    TextLoader text(&progress);
    ASSERT_TRUE(text.load(obj));
    // At the line after "o", then 1000 lines later (after 997 faces); no material part.
    EXPECT_EQ(progress.str(),
              "\n\r- Big\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0"
              "\r- Big\t| vertices > 3\t| texcoords > 0\t| normals > 0\t| triangles > 997\n");
}
