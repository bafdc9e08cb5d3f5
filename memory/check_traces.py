#!/usr/bin/env python3
"""Checks what the recorded traces must show, whatever else changes in them: alias_demo ends with
x = 9 and y = 17, p1 and p2 both holding x's address, and prints 9,9,1717; recursion_demo makes
7 calls of myFunc, in the order 4, 3, 2, 1, -1, 0, 1, with their values, at most 4 of its frames
deep (5 with main), and prints 2; list_steps' nodes after the inserts form a chain whose
nextNode and prevNode agree, front first, and the destructor leaves none.

Usage: check_traces.py FOLDER
"""
import json
import os
import re
import sys

folder = sys.argv[1]
problems = []


def load(program):
    with open(os.path.join(folder, program + ".json"), encoding="utf-8") as source:
        return json.load(source)


def expect(condition, what):
    if not condition:
        problems.append(what)


def values(step):
    return {v["name"]: v["value"] for f in step["frames"] for v in f["variables"]}


alias = load("alias_demo")
last = values(alias["steps"][-1])
expect(last["x"] == {"int": 9} and last["y"] == {"int": 17}, "alias_demo: x and y end as %s, %s"
       % (last["x"], last["y"]))
expect(last["p1"] == last["p2"] == {"pointer": "&x"}, "alias_demo: p1 and p2 end as %s, %s"
       % (last["p1"], last["p2"]))
expect(alias["printed"] == "9,9,1717\n", "alias_demo printed %r" % alias["printed"])

recursion = load("recursion_demo")
returned = recursion["steps"][-1]["returned"]
expect([name for name, _ in returned] == ["myFunc(%d)" % m for m in (1, -1, 2, 0, 3, 1, 4)],
       "recursion_demo: calls returned as %s" % returned)
order = [call for step in recursion["steps"]
         for call in re.findall(r"(myFunc\(-?\d+\)) is called", step["sentence"])]
expect(order == ["myFunc(%d)" % m for m in (4, 3, 2, 1, -1, 0, 1)],
       "recursion_demo: calls in the order %s" % order)
expect(dict(returned).get("myFunc(4)") == 2, "recursion_demo: myFunc(4) returned %s" % dict(returned).get("myFunc(4)"))
deepest = max(len(s["frames"]) for s in recursion["steps"])
expect(deepest == 5, "recursion_demo: %d frames deep, with main" % deepest)
expect(recursion["printed"] == "2", "recursion_demo printed %r" % recursion["printed"])

lists = load("list_steps")
after_inserts = None
for step in lists["steps"]:
    if len(step["heap"]) == 3 and step["frames"][0]["function"] == "main":
        after_inserts = step
        break
expect(after_inserts is not None, "list_steps: never three nodes back in main")
if after_inserts:
    nodes = {n["name"]: {f["name"]: f["value"] for f in n["value"]["fields"]} for n in after_inserts["heap"]}
    front = values(after_inserts)["list"]["fields"][0]["value"]["pointer"]
    chain, previous, at = [], "nullptr", front
    while at != "nullptr" and at in nodes and len(chain) < 10:
        expect(nodes[at]["prevNode"]["pointer"] == previous,
               "list_steps: %s's prevNode is %s, not %s" % (at, nodes[at]["prevNode"], previous))
        chain.append(nodes[at]["val"]["int"])
        previous, at = at, nodes[at]["nextNode"]["pointer"]
    expect(chain == [5, 7, 3], "list_steps: the chain from the front holds %s" % chain)
expect(lists["steps"][-1]["heap"] == [], "list_steps: nodes left after the destructor")

if problems:
    sys.exit("\n".join(problems))
print("memory traces: alias_demo, recursion_demo and list_steps show what they must")
