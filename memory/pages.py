#!/usr/bin/env python3
"""Writes the memory pages from the recorded traces, with no debugger: PROGRAM.html beside each
PROGRAM.json in FOLDER, one self-contained file each, with the step control and the look of
sort_steps.html (steps/page/stepper.js and stepper.css, shared, not copied).

Usage: pages.py FOLDER [--check]   (--check: fail where a page differs from what its trace makes)
"""
import html
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPOSITORY = os.path.dirname(HERE)

# What each page says above its steps: the program, and what to notice.
NOTES = {
    "alias_demo": "Two pointers are re-pointed, then written through: watch which box each "
                  "arrow reaches when a line writes through it.",
    "address_demo": "The same re-pointing, printed as addresses: p1 and p2 end up holding the "
                    "same address, x's; p3 holds y's.",
    "increment_demo": "A write through a pointer changes the int it points at.",
    "recursion_demo": "myFunc calls itself: each call is a frame of its own, with its own m, on "
                      "top of its caller's. The two calls in myFunc(m - 1) + myFunc(m - 3) may "
                      "run in either order, for C++ leaves it unspecified; g++ and clang at -O0 "
                      "call myFunc(m - 1) first, as recorded here: 4, 3, 2, 1, -1, 0, 1.",
    "list_steps": "Three inserts at the front of a DLL, then a search that finds 7 and one "
                  "that does not find 4; at the end the destructor deletes every node. Blue "
                  "arrows are nextNode, pink dashed ones prevNode.",
}
COMMON = ("The highlighted line is the one just run; the boxes show memory after it. "
          "Addresses change from run to run, and from machine to machine; what stays the same "
          "is which pointers hold equal addresses: the arrows, and the names beside the "
          "addresses (&x is x's address, node 2 the second node made).")
PRINTED = ("Output the program writes without a line end (recursion_demo's 2, increment_demo's "
           "13) reaches the screen, and this record, only when the program exits; the last "
           "step shows all of it.")


def read(*parts):
    with open(os.path.join(REPOSITORY, *parts), encoding="utf-8") as source:
        return source.read()


def page(program, trace):
    data = dict(trace)
    data["emptyHeap"] = "No node: nothing that new made is alive."
    steps = data["steps"]
    # The last step shows what the program printed in all, even what came only at exit.
    steps[-1] = dict(steps[-1], printed=data["printed"])
    text = json.dumps(data, sort_keys=True).replace("</", "<\\/")
    title = "%s: memory, line by line" % program
    out = read("memory", "page", "memory.html")
    for mark, value in [("/* stepper.css */", read("steps", "page", "stepper.css")),
                        ("/* memory.css */", read("memory", "page", "memory.css")),
                        ("/* stepper.js */", read("steps", "page", "stepper.js")),
                        ("/* memory.js */", read("memory", "page", "memory.js")),
                        ("/* notes */", html.escape(NOTES.get(program, "") + " " + COMMON)),
                        ("/* printed note */", html.escape(PRINTED)),
                        ("/* title */", html.escape(title)),
                        ("/* memory data */", text)]:  # last: no mark is looked for in it
        out = out.replace(mark, value)
    return out


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    folder = sys.argv[1]
    check = len(sys.argv) == 3 and sys.argv[2] == "--check"
    stale = []
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".json"):
            continue
        program = name[:-5]
        with open(os.path.join(folder, name), encoding="utf-8") as source:
            made = page(program, json.load(source))
        target = os.path.join(folder, program + ".html")
        if check:
            with open(target, encoding="utf-8") as existing:
                if existing.read() != made:
                    stale.append(program)
        else:
            with open(target, "w", encoding="utf-8") as out:
                out.write(made)
    if stale:
        sys.exit("memory pages not made from their traces: %s (run memory/pages.py %s)"
                 % (", ".join(stale), folder))


main()
