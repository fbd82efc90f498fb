#!/usr/bin/env python3
"""Builds a large .evtx log from the chunks of real ones, as Windows would
have written it: the chunks repeated in turn, every copy's record numbers moved
past the ones before, the chunk and file headers and their CRC-32 checksums
fixed up.
    python3 bench/join_evtx_chunks.py OUT.evtx CHUNKS LOG.evtx..."""
import struct
import sys
import zlib

CHUNK = 65536


def chunks_of(path):
    data = open(path, "rb").read()
    for at in range(4096, len(data) - CHUNK + 1, CHUNK):
        chunk = data[at:at + CHUNK]
        if chunk[:8] == b"ElfChnk\0":
            yield bytearray(chunk)


def renumber(chunk, first):
    """Numbers the chunk's records from `first`; returns the next number."""
    free = struct.unpack_from("<I", chunk, 48)[0]
    at, number = 512, first
    while at + 28 <= free and chunk[at:at + 4] == b"**\0\0":
        size = struct.unpack_from("<I", chunk, at + 4)[0]
        if size < 28 or at + size > free:
            break
        struct.pack_into("<Q", chunk, at + 8, number)
        number += 1
        at += size
    struct.pack_into("<QQQQ", chunk, 8, first, number - 1, first, number - 1)
    struct.pack_into("<I", chunk, 52, zlib.crc32(chunk[512:free]))
    struct.pack_into("<I", chunk, 124, zlib.crc32(chunk[:120] + chunk[128:512]))
    return number


def main():
    out, count, logs = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    sources = [c for log in logs for c in chunks_of(log)]
    header = bytearray(4096)
    header[:8] = b"ElfFile\0"
    body, number = [], 1
    for i in range(count):
        chunk = bytearray(sources[i % len(sources)])
        number = renumber(chunk, number)
        body.append(chunk)
    struct.pack_into("<QQQIHHHH", header, 8, 0, count - 1, number, 128, 1, 3, 4096, count)
    struct.pack_into("<I", header, 124, zlib.crc32(header[:120]))
    with open(out, "wb") as f:
        f.write(header)
        for chunk in body:
            f.write(chunk)


main()
