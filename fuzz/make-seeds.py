#!/usr/bin/env python3
"""Writes the fuzzers' hand-made seeds into fuzz/seeds/<target>/: the smallest files that reach
each loader's every section, so the length limit can stay small and each execution cheap.
ImageMagick draws the tiny images. Run from anywhere; the files are committed."""
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SEEDS = os.path.join(HERE, "seeds")


def write(target, name, data):
    folder = os.path.join(SEEDS, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(data)


def i32(*values):
    return struct.pack("<%di" % len(values), *values)


def f32(*values):
    return struct.pack("<%df" % len(values), *values)


def small_map(rows, columns, textures, metal, oil):
    """A map of rows x columns cells: sloped corners, cells cycling through the textures (and -1),
    one entry, one record, the given piles and both bases."""
    heights = [0.01 * (r + c) for r in range(rows + 1) for c in range(columns + 1)]
    cells = [(r * columns + c) % (len(textures) + 1) - 1 for r in range(rows) for c in range(columns)]
    data = i32(rows, columns) + f32(*heights) + i32(*cells)
    data += i32(len(textures)) + b"".join(t.encode() + b"\n" for t in textures)
    data += i32(1) + struct.pack("<4I", 1, 2, 3, 4) + b"entry\n"
    data += i32(1) + bytes(range(16))
    data += i32(len(metal)) + b"".join(i32(z, x, 0) for z, x in metal)
    data += i32(len(oil)) + b"".join(i32(z, x, 0) for z, x in oil)
    data += i32(7) + b"\x01" + b"line\n"
    data += i32(0, rows - 1) + i32(0, columns - 1)
    return data


def model(meshes, animation_frames):
    """A model of `meshes` one-triangle meshes, a texture, a material and one animation that
    moves each triangle in every frame."""
    triangle = [(0.0, 0.0, 0.0), (1.0, 0.0, 0.0), (0.0, 1.0, 0.0)]
    data = b"KTQMV1.30\n" + i32(meshes, 1, 1, 1 if animation_frames else 0)
    for m in range(meshes):
        name = b"color_separator" if m == 1 else b"mesh%d" % m
        data += name + b"\n" + struct.pack("<bB", 0, 0) + i32(1)
        data += b"".join(f32(*corner) for corner in triangle) + f32(0, 0, 1, 0, 0, 1)
    data += b"skin.png\n"
    data += b"skin\n" + struct.pack("<b", 0) + bytes([255, 0, 0, 255] * 4) + b"\x07"
    if animation_frames:
        data += b"run\n" + i32(animation_frames)
        for frame in range(animation_frames):
            data += struct.pack("<I", 100) + bytes([(1 << meshes) - 1])
            for m in range(meshes):
                data += struct.pack("<b", 0) + b"\x01"
                data += b"".join(f32(x, y + 0.1 * (frame + 1), z) for x, y, z in triangle)
    return data


def wave(channels, bits, samples, extensible=False, padding_chunk=False):
    """A RIFF WAVE of a few samples; `extensible` writes the WAVE_FORMAT_EXTENSIBLE header,
    `padding_chunk` puts an odd-sized chunk before the samples."""
    block = channels * bits // 8
    rate = 8000
    if extensible:
        fmt = struct.pack("<HHIIHHHHI", 0xFFFE, channels, rate, rate * block, block, bits, 22, bits,
                          3 if channels == 2 else 4)
        fmt += bytes.fromhex("0100000000001000800000aa00389b71")
    else:
        fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, bits)
    body = b"WAVE" + b"fmt " + i32(len(fmt)) + fmt
    if padding_chunk:
        body += b"LIST" + i32(3) + b"abc\x00"
    data = bytes((i * 37) & 0xFF for i in range(samples * block))
    body += b"data" + i32(len(data)) + data
    return b"RIFF" + i32(len(body)) + body


def images():
    """Tiny pictures of each kind the game reads, each prefixed with the byte that picks the
    target's file name and loader (0 .bmp, 1 .jpg, 2 .png; plus 3 colour-keyed)."""
    kinds = [("bmp", 0, "BMP3:", []), ("bmp8", 0, "BMP3:", ["-type", "Palette"]),
             ("jpg", 1, "JPG:", ["-quality", "50"]), ("grey.jpg", 1, "JPG:", ["-colorspace", "Gray"]),
             ("png", 2, "PNG24:", []), ("rgba.png", 2, "PNG32:", ["-alpha", "set"]),
             ("grey.png", 2, "PNG8:", ["-colorspace", "Gray"])]
    with tempfile.TemporaryDirectory() as folder:
        for name, selector, prefix, options in kinds:
            path = os.path.join(folder, "image")
            subprocess.run(["convert", "-size", "3x2", "xc:#FF00FF", "-fill", "#208040",
                            "-draw", "point 1,0", "-strip"] + options + [prefix + path], check=True)
            with open(path, "rb") as file:
                picture = file.read()
            write("image", "plain_" + name, bytes([selector]) + picture)
            write("image", "keyed_" + name, bytes([selector + 3]) + picture)


def replays():
    """A short recorded game of every line kind, one cut off while it was written, and one of an
    empty map that ended before its first pass."""
    header = ("orvalen-replay 1\nmap 0f26984c9f261f6a data\\maps\\motac.ktqw\nseed 1733650000\n"
              "enemy-marines 15\n")
    body = ("p 16 17\n2 1 select 3 4 22\n2 1 move 80 80.25\np 0\n3 1 act 5\n3 1 train 6\n"
            "3 2 spawn 7 10.5 -3\n3 1 select none\nh 3 0123456789abcdef\nend 3\n")
    write("replay", "every-line.replay", (header + body).encode())
    write("replay", "cut-short.replay", (header + "p 16\n1 1 select 2\np 1").encode())
    write("replay", "empty-map.replay", b"orvalen-replay 1\nmap none\nseed 0\nenemy-marines 0\nend 0\n")


def options():
    """An options file of every key, and one with a bad value and an unknown key among them."""
    every = ("# Orvalen's options\nfullscreen = false\nshadows = true\ntexture_quality = medium\n"
             "resolution = 1024x768\ntexture_filtering = trilinear\nsound_volume = 35\nmusic_volume = 0\n"
             "unit_responses = false\nplayer_name = Ada\ninvert_mouse = true\n")
    write("options", "every-key.conf", every.encode())
    write("options", "faults.conf", b"sound_volume = 140\ncolour = blue\njust words\nresolution = 9x9\n")


def main():
    write("map", "one-cell.ktqw", small_map(1, 1, ["grass.jpg"], [(0, 0)], []))
    write("map", "three-by-four.ktqw", small_map(3, 4, ["grass.jpg", "rock.jpg"], [(1, 2)], [(2, 3)]))
    write("model", "one-triangle.ktqm", model(1, 0))
    write("model", "two-meshes-animated.ktqm", model(2, 2))
    write("wave", "mono8.wav", wave(1, 8, 4))
    write("wave", "stereo16.wav", wave(2, 16, 3))
    write("wave", "extensible-after-odd-chunk.wav", wave(2, 16, 2, extensible=True, padding_chunk=True))
    images()
    replays()
    options()


if __name__ == "__main__":
    main()
