#!/usr/bin/env python3
"""Fails when the project's own libraries link in a circle.

Reads the dependency graph CMake writes with --graphviz for the build folder given (default
build/) and reports every cycle among the project's targets, with the links that close it.
"""
import re
import subprocess
import sys
import tempfile
from pathlib import Path


def project_graph(build: Path):
    with tempfile.TemporaryDirectory() as tmp:
        dot = Path(tmp) / "graph.dot"
        subprocess.run(["cmake", f"--graphviz={dot}", "."], cwd=build, check=True,
                       stdout=subprocess.DEVNULL)
        text = dot.read_text()
    names = dict(re.findall(r'"(node\d+)"\s*\[\s*label\s*=\s*"([^"]+)"', text))
    edges = {}
    for a, b in re.findall(r'"(node\d+)"\s*->\s*"(node\d+)"', text):
        la, lb = names.get(a, a), names.get(b, b)
        if la.startswith("audivox_") and lb.startswith("audivox_") and la != lb:
            edges.setdefault(la, set()).add(lb)
    return edges


def cycles(edges):
    """Strongly connected components of more than one node (Tarjan)."""
    index, low, stack, on_stack, found, counter = {}, {}, [], set(), [], [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in edges.get(v, ()):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            component = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                component.append(w)
                if w == v:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    sys.setrecursionlimit(10000)
    for v in list(edges):
        if v not in index:
            visit(v)
    return found


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else "build").resolve()
    edges = project_graph(build)
    found = cycles(edges)
    if not found:
        print(f"Layers: {len(edges)} libraries link without a cycle.")
        return 0
    for component in found:
        members = set(component)
        links = sorted(f"{a} -> {b}" for a in component for b in edges.get(a, ()) if b in members)
        print("Libraries linked in a circle: " + ", ".join(component))
        for link in links:
            print("  " + link)
    return 1


if __name__ == "__main__":
    sys.exit(main())
