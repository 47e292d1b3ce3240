#!/usr/bin/env python3
"""Checks the layering of src/: an include never points up a layer or sideways,
logic/ uses no Qt module but QtCore, and no two files include each other, even
through others. Usage: layers.py SRC_DIR QTCORE_INCLUDE_DIR. Prints each fault
and exits 1 when there is one."""
import pathlib
import re
import sys

# Which folders under src/ each folder may include from.
ALLOWED = {
    'logic': {'logic'},
    'forms': {'forms'},
    'grid': {'logic', 'forms', 'grid'},
    'shell': {'logic', 'forms', 'grid', 'shell'},
    '.': {'logic', 'forms', 'grid', 'shell'},  # main.cpp
}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def main(src, qtcore):
    faults = []
    graph = {}
    for path in sorted(src.rglob('*')):
        if path.suffix not in ('.h', '.cpp'):
            continue
        rel = path.relative_to(src)
        folder = rel.parts[0] if len(rel.parts) > 1 else '.'
        if folder not in ALLOWED:
            faults.append(f'{rel}: folder {folder}/ is not a known layer')
            continue
        graph[str(rel)] = []
        for kind, name in INCLUDE.findall(path.read_text(encoding='utf-8')):
            if kind == '"':
                target = name.split('/')[0] if '/' in name else None
                if target is None and is_form_header(path, name):
                    continue  # uic's header for a form beside the file
                if target is None or not (src / name).exists():
                    faults.append(f'{rel}: "{name}" is not a path under src/')
                elif target not in ALLOWED[folder]:
                    faults.append(f'{rel}: includes "{name}"; {folder}/ may not use {target}/')
                else:
                    graph[str(rel)].append(name)
            elif folder == 'logic':
                module = name.split('/')[0] if '/' in name else None
                if module is not None and module.startswith('Qt') and module != 'QtCore':
                    faults.append(f'{rel}: <{name}> is from {module}; logic/ uses QtCore only')
                elif module is None and name[:1] in 'Qq' and not (qtcore / name).exists():
                    faults.append(f'{rel}: <{name}> is not a QtCore header; logic/ uses QtCore only')
    faults += cycles(graph)
    for f in faults:
        print('layers:', f)
    print(f'layers: {len(graph)} files checked, {len(faults)} faults')
    return 1 if faults else 0


def is_form_header(path, name):
    """Whether `name` is the header uic makes of a Qt Designer form in the file's folder."""
    return name.startswith('ui_') and (path.parent / (name[3:-2] + '.ui')).exists()


def cycles(graph):
    """Every include cycle, each reported once from its smallest file name."""
    found = set()
    state = {}

    def visit(node, stack):
        state[node] = 'open'
        stack.append(node)
        for nxt in graph.get(node, []):
            if state.get(nxt) == 'open':
                loop = stack[stack.index(nxt):]
                start = loop.index(min(loop))
                found.add(tuple(loop[start:] + loop[:start]))
            elif nxt not in state:
                visit(nxt, stack)
        stack.pop()
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node, [])
    return [f'include cycle: {" -> ".join(loop + (loop[0],))}' for loop in sorted(found)]


if __name__ == '__main__':
    sys.exit(main(pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])))
