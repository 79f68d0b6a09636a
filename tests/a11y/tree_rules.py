"""What every control of the window must tell a screen reader, checked on a copy of the tree.

A node is any accessible object with its role, name and whether it is shown. The rules: no
object without a role; every key, option, label, list, list item and menu entry that is shown
has a name that says something (at least one letter or digit); no two keys or options share a
name. Hidden objects are not presented, so they are not held to it.
"""

import dataclasses

NO_ROLE = {"unknown", "invalid", "redundant object"}
NAMED = {
    "push button": "key",
    "radio button": "option",
    "label": "label",
    "text": "label",
    "list": "list",
    "list item": "list item",
    "menu item": "menu entry",
    "check menu item": "menu entry",
    "radio menu item": "menu entry",
    "menu": "menu",
}
DISTINCT = {"push button", "radio button"}


@dataclasses.dataclass(frozen=True)
class Node:
    role: str
    name: str
    shown: bool
    children: tuple = ()
    source: object = dataclasses.field(default=None, compare=False, repr=False)


def walk(node, path=""):
    here = f"{path} > {node.role} {node.name!r}" if path else f"{node.role} {node.name!r}"
    yield here, node
    for child in node.children:
        yield from walk(child, here)


def says_something(name):
    return any(ch.isalnum() for ch in name)


def problems(root):
    found = []
    seen = {}
    for path, node in walk(root):
        if node.role in NO_ROLE:
            found.append(f"{path}: no role")
        kind = NAMED.get(node.role)
        if kind is None or not node.shown:
            continue
        if not says_something(node.name):
            found.append(f"{path}: {kind} without a name")
        elif node.role in DISTINCT:
            key = (node.role, node.name)
            if key in seen:
                found.append(f"{path}: {kind} named like another: {node.name!r}")
            seen[key] = path
    return found


def with_name_blanked(root, role, name):
    """The tree with the name of every `role` named `name` made empty."""
    children = tuple(with_name_blanked(c, role, name) for c in root.children)
    blank = root.role == role and root.name == name
    return dataclasses.replace(root, name="" if blank else root.name, children=children)
