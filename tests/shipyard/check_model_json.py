# SPDX-License-Identifier: MIT
"""Checks `shipyard model` JSON against a separate reading of the MilkShape 3D file's bytes.

Usage: check_model_json.py MODEL.ms3d MODEL.json   (exit 0 when they agree, 1 with the first
difference otherwise). MODEL.ms3d is the path shipyard was given, so textures compose alike.
"""
import json
import math
import struct
import sys


def f32(value):
    return struct.unpack('<f', struct.pack('<f', value))[0]


def read_ms3d(data, model_path):
    assert data[:10] == b'MS3D000000', 'identifier'
    at = 14

    def take(fmt):
        nonlocal at
        values = struct.unpack_from('<' + fmt, data, at)
        at += struct.calcsize('<' + fmt)
        return values

    vertices = []
    for _ in range(take('H')[0]):
        _, x, y, z, bone, _ = take('B3fBB')
        vertices.append({'boneIndex': bone, 'position': [x, y, z]})
    triangles = []
    for _ in range(take('H')[0]):
        v = take('H3H9f3f3fBB')
        triangles.append({'vertexIndices': list(v[1:4]),
                          'normals': [list(v[4:7]), list(v[7:10]), list(v[10:13])],
                          's': list(v[13:16]), 't': [f32(1.0 - t) for t in v[16:19]]})
    meshes = []
    for _ in range(take('H')[0]):
        n = take('B32sH')[2]
        indices = list(take('%dH' % n))
        meshes.append({'materialIndex': take('b')[0], 'triangleIndices': indices})
    cut = max(model_path.rfind('\\'), model_path.rfind('/'))
    materials = []
    for _ in range(take('H')[0]):
        m = take('32s4f4f4f4ff f B128s128s')
        name = m[20].split(b'\0')[0].decode('latin-1')
        if name.startswith('.\\'):
            name = (model_path[:cut] + name[1:]) if cut >= 0 else name[2:]
        materials.append({'ambient': list(m[1:5]), 'diffuse': list(m[5:9]),
                          'specular': list(m[9:13]), 'emissive': list(m[13:17]),
                          'shininess': m[17], 'textureFile': name})
    return {'vertexCount': len(vertices), 'triangleCount': len(triangles),
            'meshCount': len(meshes), 'materialCount': len(materials), 'vertices': vertices,
            'triangles': triangles, 'meshes': meshes, 'materials': materials}


def same(expected, got, where):
    if isinstance(expected, dict):
        if not isinstance(got, dict) or list(got) != list(expected):
            return '%s: keys %s, expected %s' % (where, list(got), list(expected))
        for key in expected:
            problem = same(expected[key], got[key], where + '.' + key)
            if problem:
                return problem
    elif isinstance(expected, list):
        if not isinstance(got, list) or len(got) != len(expected):
            return '%s: expected %d entries' % (where, len(expected))
        for i, (e, g) in enumerate(zip(expected, got)):
            problem = same(e, g, '%s[%d]' % (where, i))
            if problem:
                return problem
    elif isinstance(expected, float):
        if math.isfinite(expected):
            if not isinstance(got, (int, float)) or f32(got) != expected:
                return '%s: %r, expected %r' % (where, got, expected)
        elif got is not None:
            return '%s: %r, expected null' % (where, got)
    elif type(got) is not type(expected) or got != expected:
        return '%s: %r, expected %r' % (where, got, expected)
    return None


def main():
    model_path, json_path = sys.argv[1], sys.argv[2]
    with open(model_path, 'rb') as f:
        expected = read_ms3d(f.read(), model_path)
    with open(json_path, encoding='utf-8') as f:
        got = json.load(f)
    for material in got.get('materials', []):
        material.pop('texture', None)  # what the texture step makes of it: tested on its own
    problem = same(expected, got, 'model')
    if problem:
        print(problem)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
