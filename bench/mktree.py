#!/usr/bin/env python3
"""Writes a reproducible client-package-like tree for the benchmarks.

mktree.py DIR SIZE_MB FILES [SEED]

FILES files totalling SIZE_MB MiB exactly, spread over nested folders, with a
long-tailed size mix (many small files, a few large ones) and content that
gzip halves (one half random, one half repetitive), so that an archive of the
tree costs both inflating and writing.
"""
import os
import random
import sys


def sizes(total, count, rng):
    weights = [rng.lognormvariate(0.0, 1.5) for _ in range(count)]
    scale = total / sum(weights)
    out = [max(1, int(w * scale)) for w in weights]
    out[0] += total - sum(out)
    if out[0] < 1:
        raise SystemExit("too many files for the size")
    return out


def folders(count, rng):
    # Roughly 25 files a folder, up to three levels deep.
    names = ["."]
    want = max(1, count // 25)
    while len(names) < want:
        parent = rng.choice(names)
        if parent.count("/") >= 3:
            continue
        names.append(f"{parent}/d{len(names):03d}")
    return names


def main():
    if len(sys.argv) not in (4, 5):
        raise SystemExit(__doc__)
    root, size_mb, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) == 5 else 1)
    text = (b"zelto package payload, line %d of the repetitive half\n" * 1).replace(b"%d", b"0") * 2048
    dirs = folders(count, rng)
    for d in dirs:
        os.makedirs(os.path.join(root, "data", d), exist_ok=True)
    for i, n in enumerate(sizes(size_mb * 1024 * 1024, count, rng)):
        path = os.path.join(root, "data", rng.choice(dirs), f"f{i:05d}.bin")
        half = n // 2
        rep = (text * (half // len(text) + 1))[:n - half]
        with open(path, "wb") as f:
            f.write(rng.randbytes(half))
            f.write(rep)


if __name__ == "__main__":
    main()
