#!/usr/bin/env python3
"""Checks that the source tree and the libraries agree.

Reads layers.txt of a build folder (one line a library: name, folder under src/, links) and
fails when
- a folder with sources belongs to no library, or to more than one;
- the links between the libraries are not bottom-up (a cycle);
- a file includes a header of a library that its own library does not link, directly or
  through the libraries below it (a lower layer including a higher one).
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main(build_dir, source_dir):
    src = os.path.join(source_dir, 'src')
    layers, folder_of = {}, {}
    problems = []
    with open(os.path.join(build_dir, 'layers.txt'), encoding='utf-8') as f:
        for line in f:
            words = line.split()
            if not words:
                continue
            name, folder, links = words[0], words[1].strip('/'), words[2:]
            if folder in folder_of:
                problems.append(f'src/{folder} belongs to {folder_of[folder]} and {name}')
            folder_of[folder] = name
            layers[name] = [l for l in links if l.startswith('shiftgrid')]

    # Everything a library may use: itself and what it links, all the way down.
    below, visiting = {}, set()

    def reach(name):
        if name in below:
            return below[name]
        if name in visiting:
            problems.append(f'{name} links back to itself through {sorted(visiting)}')
            return {name}
        visiting.add(name)
        result = {name}
        for link in layers.get(name, []):
            if link not in layers:
                problems.append(f'{name} links {link}, which is no library of src/')
                continue
            result |= reach(link)
        visiting.discard(name)
        below[name] = result
        return result

    for name in layers:
        reach(name)

    for root, _, files in os.walk(src):
        sources = [f for f in files if f.endswith(('.h', '.cpp'))]
        if not sources:
            continue
        folder = os.path.relpath(root, src)
        layer = folder_of.get(folder)
        if layer is None:
            problems.append(f'src/{folder} holds sources but belongs to no library')
            continue
        for name in sorted(sources):
            with open(os.path.join(root, name), encoding='utf-8') as f:
                text = f.read()
            for included in INCLUDE.findall(text):
                if included.endswith('.moc'):
                    continue
                if os.path.exists(os.path.join(root, included)):
                    target = os.path.dirname(os.path.normpath(os.path.join(folder, included)))
                elif os.path.exists(os.path.join(src, included)):
                    target = os.path.dirname(included)
                else:
                    problems.append(f'src/{folder}/{name} includes "{included}", found nowhere')
                    continue
                owner = folder_of.get(target)
                if owner is None:
                    problems.append(f'src/{folder}/{name} includes "{included}" of no library')
                elif owner not in below[layer]:
                    problems.append(f'src/{folder}/{name} ({layer}) includes "{included}" of '
                                    f'{owner}, which {layer} does not link')

    for problem in problems:
        print(problem)
    print(f'{len(folder_of)} libraries, {len(problems)} problems')
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2]))
