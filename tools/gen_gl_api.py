#!/usr/bin/env python3
"""Generates the OpenGL entry-point table (gfx/gl_api.h and gl_api.cpp) from the Khronos registry.

The table holds every core-profile function of OpenGL 1.0 to 4.5 followed by the commands of the
ARB/EXT extensions listed in EXTENSIONS, in registry order. The header declares, in namespace
glapi, one function pointer per entry named like the GL function, the GL types at global scope,
every GL_* constant of the chosen features as a macro, the name table and the assignment step
that loadGLFunctions uses. Standard library only.
"""

import argparse
import sys
import xml.etree.ElementTree as ET

MAX_VERSION = (4, 5)

# Extension commands added after the core ones: robustness and debugging (the context asks for
# robust buffer access), plus a few later additions that drivers commonly expose.
EXTENSIONS = [
    "GL_ARB_robustness",
    "GL_ARB_debug_output",
    "GL_ARB_bindless_texture",
    "GL_ARB_sample_locations",
    "GL_ARB_indirect_parameters",
    "GL_ARB_parallel_shader_compile",
    "GL_ARB_polygon_offset_clamp",
    "GL_ARB_ES3_2_compatibility",
]

# khrplatform.h types, spelled with <cstdint>.
KHRONOS_TYPES = {
    "khronos_int8_t": "std::int8_t",
    "khronos_uint8_t": "std::uint8_t",
    "khronos_int16_t": "std::int16_t",
    "khronos_uint16_t": "std::uint16_t",
    "khronos_int32_t": "std::int32_t",
    "khronos_uint32_t": "std::uint32_t",
    "khronos_int64_t": "std::int64_t",
    "khronos_uint64_t": "std::uint64_t",
    "khronos_float_t": "float",
    "khronos_intptr_t": "std::intptr_t",
    "khronos_ssize_t": "std::intptr_t",
}

APIENTRY_MACRO = "VELMORANT_GLAPIENTRY"


def node_text(node):
    """Text of an element with its children, the <apientry/> marker spelled as our macro."""
    parts = [node.text or ""]
    for child in node:
        if child.tag == "apientry":
            parts.append(APIENTRY_MACRO)
        else:
            parts.append(node_text(child))
        parts.append(child.tail or "")
    return "".join(parts)


def version_of(feature):
    major, minor = feature.get("number").split(".")
    return int(major), int(minor)


def gl_features(root):
    return [f for f in root.findall("feature")
            if f.get("api") == "gl" and version_of(f) <= MAX_VERSION]


def applies(element):
    """True for require/remove blocks that concern desktop GL's core profile."""
    api = element.get("api")
    return (api is None or api == "gl") and element.get("profile") in (None, "core")


def collect(root):
    commands, enums = [], []
    seen_commands, seen_enums, removed = set(), set(), set()

    def add_enum(name):
        if name not in seen_enums:
            seen_enums.add(name)
            enums.append(name)

    for feature in gl_features(root):
        for block in feature.findall("remove"):
            if applies(block):
                removed.update(c.get("name") for c in block.findall("command"))
    for feature in gl_features(root):
        for block in feature.findall("require"):
            # Constants of the compatibility profile are harmless macros; keep them all.
            for e in block.findall("enum"):
                add_enum(e.get("name"))
            if not applies(block):
                continue
            for c in block.findall("command"):
                name = c.get("name")
                if name not in seen_commands and name not in removed:
                    seen_commands.add(name)
                    commands.append(name)

    by_name = {e.get("name"): e for e in root.find("extensions")}
    for ext_name in EXTENSIONS:
        ext = by_name.get(ext_name)
        if ext is None or "gl" not in ext.get("supported", "").split("|"):
            sys.exit(f"gen_gl_api: extension {ext_name} is not a desktop GL extension in the registry")
        for block in ext.findall("require"):
            if block.get("api") not in (None, "gl"):
                continue
            for e in block.findall("enum"):
                add_enum(e.get("name"))
            for c in block.findall("command"):
                name = c.get("name")
                if name not in seen_commands:
                    seen_commands.add(name)
                    commands.append(name)
    return commands, enums


def type_lines(root):
    lines = []
    for t in root.find("types"):
        if t.get("api") not in (None, "gl"):
            continue
        text = node_text(t).strip()
        if text.startswith("#include"):
            continue
        if t.get("name") == "GLhandleARB":
            text = "typedef unsigned int GLhandleARB;"
        for khr, std in KHRONOS_TYPES.items():
            text = text.replace(khr, std)
        lines.append(text)
    return lines


def command_table(root):
    table = {}
    for c in root.find("commands"):
        proto = c.find("proto")
        name = proto.find("name").text
        result = node_text(proto)
        result = result[: result.rfind(name)].strip()
        params = [" ".join(node_text(p).split()) for p in c.findall("param")]
        table[name] = (result, params)
    return table


def enum_values(root):
    values = {}
    for group in root.findall("enums"):
        for e in group.findall("enum"):
            if e.get("api") not in (None, "gl"):
                continue
            value = e.get("value")
            suffix = e.get("type", "")
            values[e.get("name")] = value + suffix
    return values


def pfn_name(command):
    return "PFN" + command.upper() + "PROC"


def generate(registry, header_path, source_path, apientry, header_include):
    root = ET.parse(registry).getroot()
    commands, enums = collect(root)
    table = command_table(root)
    values = enum_values(root)

    h = []
    h.append("// OpenGL entry points and constants, generated by tools/gen_gl_api.py from the Khronos")
    h.append("// registry. Do not edit: the build regenerates it.")
    h.append("#pragma once")
    h.append("")
    h.append("#include <cstddef>")
    h.append("#include <cstdint>")
    h.append("")
    h.append('#include "platform/platform.h"')
    h.append("")
    h.append(f"#define {APIENTRY_MACRO} {apientry}".rstrip())
    h.append("")
    h.extend(type_lines(root))
    h.append("")
    for name in enums:
        if name in values:
            h.append(f"#define {name} {values[name]}")
    h.append("")
    h.append("namespace glapi {")
    h.append("")
    for name in commands:
        result, params = table[name]
        h.append(f"using {pfn_name(name)} = {result} ({APIENTRY_MACRO}*)({', '.join(params)});")
    h.append("")
    for name in commands:
        h.append(f"extern {pfn_name(name)} {name};")
    h.append("")
    h.append(f"inline constexpr std::size_t kProcCount = {len(commands)};")
    h.append("// The names of the entry points, in table order.")
    h.append("extern const char* const kProcNames[kProcCount];")
    h.append("// Stores procs[i] (nullptr when not found) into the pointer named kProcNames[i].")
    h.append("void assignProcs(const platform::GLProc* procs);")
    h.append("")
    h.append("}  // namespace glapi")
    h.append("")
    h.append("// Resolves every entry point for the current context; 0 when the context is OpenGL 3.0 or")
    h.append("// newer, -1 when glGetIntegerv is missing or the major version is below 3.")
    h.append("int loadGLFunctions();")
    h.append("")
    h.append("namespace glapi {")
    h.append("using ::loadGLFunctions;")
    h.append("}  // namespace glapi")

    s = []
    s.append("// OpenGL entry-point table, generated by tools/gen_gl_api.py. Do not edit.")
    s.append(f'#include "{header_include}"')
    s.append("")
    s.append("namespace glapi {")
    s.append("")
    for name in commands:
        s.append(f"{pfn_name(name)} {name} = nullptr;")
    s.append("")
    s.append("const char* const kProcNames[kProcCount] = {")
    for name in commands:
        s.append(f'    "{name}",')
    s.append("};")
    s.append("")
    s.append("void assignProcs(const platform::GLProc* procs) {")
    for i, name in enumerate(commands):
        s.append(f"    {name} = reinterpret_cast<{pfn_name(name)}>(procs[{i}]);")
    s.append("}")
    s.append("")
    s.append("}  // namespace glapi")

    for path, lines in ((header_path, h), (source_path, s)):
        with open(path, "w", encoding="utf-8", newline="\n") as out:
            out.write("\n".join(lines) + "\n")
    return len(commands)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--registry", required=True, help="path of gl.xml")
    parser.add_argument("--header", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--apientry", default="", help="calling convention of GL functions")
    parser.add_argument("--header-include", default="gfx/gl_api.h")
    args = parser.parse_args()
    count = generate(args.registry, args.header, args.source, args.apientry, args.header_include)
    print(f"gen_gl_api: {count} entry points")


if __name__ == "__main__":
    main()
