#!/usr/bin/env python3
"""The benchmarks' tree: 100,000 empty files in 1,000 folders under the folder given."""
import os
import sys

root = sys.argv[1]
for top in range(10):
    for sub in range(100):
        folder = os.path.join(root, f"Album {top}", f"Roll {sub}")
        os.makedirs(folder)
        for n in range(100):
            open(os.path.join(folder, f"photo {n}.jpg"), "wb").close()
