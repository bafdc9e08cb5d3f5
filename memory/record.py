"""Records a program line by line with the GNU debugger, for the memory pages (docs/memory/).

Run inside gdb on a Debug build (-O0 -g) of one program:
    MEMORY_FILES=aliasing.cpp MEMORY_TRACE=out.json gdb -q -batch -x record.py PROGRAM

It steps through the lines of the learner's files (MEMORY_FILES, base names separated by
colons), stepping out of the standard library and the project's console helpers, and stops
when main returns. After each line it records: the line just run and the one about to run;
every frame, innermost first, each with its locals that are declared by then (at -O0 every
local exists from its function's first line, holding leftovers, so a local shows only once its
declaration line has run) and its arguments: name, type, value, and for a pointer the object it
points at; the nodes made by new and not yet deleted; what the program has printed; and a
sentence saying what the line did. Addresses become names ("&x", "node 1"); each object's real
address is kept apart, under "addresses", since it changes from run to run.
"""
import json
import os
import re

import gdb

FILES = set(os.environ["MEMORY_FILES"].split(":"))
TRACE = os.environ["MEMORY_TRACE"]
PRINTED = TRACE + ".stdout"

gdb.execute("set pagination off")
gdb.execute("set confirm off")
gdb.execute("set print pretty off")
gdb.execute("set disable-randomization on")
gdb.execute("set breakpoint pending on")  # operator new and delete: in libstdc++, once loaded

made = []  # the indexes in heaplog.cpp's table of the blocks made for the learner's code
returned = []  # (call name, value) as the calls return


def where(frame):
    """The frame's source file's base name and line, or (None, 0) outside any."""
    sal = frame.find_sal()
    if sal is None or sal.symtab is None:
        return None, 0
    return os.path.basename(sal.symtab.filename), sal.line


def learners(frame):
    return where(frame)[0] in FILES


class Returned(gdb.FinishBreakpoint):
    """The value a learner's function returns, as its frame ends."""

    def __init__(self, frame, name):
        super().__init__(frame, internal=True)
        self.silent = True
        self.name = name

    def stop(self):
        if self.return_value is not None:
            returned.append((self.name, int(self.return_value)))
        return False

    def out_of_scope(self):
        pass


def heap_blocks():
    """The blocks new handed to the learner's code and delete has not taken back, in the order
    they were made, as heaplog.cpp (linked into the recorded build) notes them."""
    try:
        count = int(gdb.parse_and_eval("memoryHeapCount"))
    except gdb.error:
        return []
    blocks = []
    for i in range(count):
        block = gdb.parse_and_eval("memoryHeap[%d]" % i)
        caller = gdb.find_pc_line(int(block["caller"]))
        if caller.symtab is None or os.path.basename(caller.symtab.filename) not in FILES:
            continue
        if i not in made:
            made.append(i)
        name = "node %d" % (made.index(i) + 1)
        if bool(block["live"]):
            blocks.append((int(block["address"]), name))
        else:
            deleted[int(block["address"])] = name
    return blocks


deleted = {}  # address: the name of the node deleted there


HEAP_TYPE = os.environ.get("MEMORY_HEAP_TYPE", "")
calls_made = []  # the learner's frames under way, outermost first: "main", "myFunc(4)", ...
call_ids = []  # and a number for each call, which a later call of the same name does not share
declared = set()  # (call number, name, address): locals already shown
calls_counted = [0]


def next_call():
    calls_counted[0] += 1
    return calls_counted[0]


def learner_frames():
    """The learner's frames, outermost first."""
    frames = []
    frame = gdb.newest_frame()
    while frame is not None:
        if learners(frame):
            frames.append(frame)
        frame = frame.older()
    return list(reversed(frames))


def follow_calls(returned_before):
    """Brings calls_made up to date after a step: the calls that returned, whose values the
    Returned breakpoints caught, off the top; then any new frame on it, named by its function
    and its arguments' values, with a Returned breakpoint of its own."""
    for name, _ in returned[returned_before:]:
        if calls_made and calls_made[-1] == name:
            calls_made.pop()
            call_ids.pop()
    frames = learner_frames()
    del calls_made[len(frames):]
    del call_ids[len(frames):]
    for frame in frames[len(calls_made):]:
        name = frame.name()
        # The arguments' values, but for this, whose address changes from run to run.
        arguments = [str(s.value(frame)) for s in frame.block()
                     if s.is_argument and s.name != "this" and not s.name.startswith("__")]
        label = name if name == "main" else "%s(%s)" % (name, ", ".join(arguments))
        calls_made.append(label)
        call_ids.append(next_call())
        if name != "main":
            Returned(frame, label)


def symbols_of(frame, line, call):
    """The frame's arguments, and its locals declared before `line` (the one about to run in
    the innermost frame; in an older one, the line of its call, which is under way), or shown
    before in this call (a loop's variable, back at its declaration's line)."""
    block = frame.block()
    found = []
    while block is not None:
        for symbol in block:
            if not (symbol.is_variable or symbol.is_argument) or symbol.name.startswith("__"):
                continue  # __in_chrg and the like: the compiler's, not the learner's
            key = (call, symbol.name, int(symbol.value(frame).address or 0))
            if symbol.is_variable and not symbol.is_argument and symbol.line >= line and \
                    key not in declared:
                continue  # not declared yet: what it holds is leftovers
            declared.add(key)
            found.append(symbol)
        if block.function is not None:
            break
        block = block.superblock
    return sorted(found, key=lambda symbol: (symbol.line, symbol.name))


def scalar(value):
    code = value.type.strip_typedefs().code
    if code == gdb.TYPE_CODE_PTR:
        return ("pointer", int(value))
    if code == gdb.TYPE_CODE_BOOL:
        return ("bool", bool(value))
    if code in (gdb.TYPE_CODE_INT, gdb.TYPE_CODE_CHAR, gdb.TYPE_CODE_ENUM):
        return ("int", int(value))
    return None


def describe(value):
    """A value as the trace holds it: an int, a pointer's address, or a struct's fields."""
    kind = scalar(value)
    if kind is not None:
        return kind
    struct = value.type.strip_typedefs()
    if struct.code == gdb.TYPE_CODE_STRUCT:
        fields = []
        for field in struct.fields():
            if field.is_base_class or not field.name or field.artificial:
                return ("object", None)  # a library's class: shown, not opened
            inner = scalar(value[field.name])
            if inner is None:
                return ("object", None)
            fields.append((field.name, str(field.type), inner))
        return ("struct", fields)
    return ("object", None)


def capture():
    """Every learner's frame, innermost first, with its variables; the heap's nodes."""
    frames = []
    innermost = True
    for depth, frame in reversed(list(enumerate(learner_frames()))):
        if True:
            file, line = where(frame)
            variables = []
            for symbol in symbols_of(frame, line, call_ids[depth]):
                value = symbol.value(frame)
                try:
                    described = describe(value)
                except gdb.error:  # what the debugger cannot read here (optimised out)
                    described = ("unreadable", None)
                variables.append({
                    "name": symbol.name,
                    "type": str(symbol.type),
                    "address": int(value.address) if value.address is not None else 0,
                    "size": value.type.sizeof,
                    "value": described,
                })
            frames.append({"function": calls_made[depth], "file": file, "line": line,
                           "variables": variables})
            innermost = False
    nodes = []
    for address, name in heap_blocks():
        value = gdb.parse_and_eval("*(%s *) %d" % (HEAP_TYPE, address))
        nodes.append({"name": name, "address": address, "type": HEAP_TYPE,
                      "size": value.type.sizeof, "value": describe(value)})
    return frames, nodes


def printed():
    try:
        with open(PRINTED, encoding="utf-8", errors="replace") as out:
            return out.read()
    except OSError:
        return ""


def alive():
    return any(thread.is_valid() for thread in gdb.selected_inferior().threads())


def in_main_or_below():
    frame = gdb.newest_frame()
    while frame is not None:
        if frame.name() == "main":
            return True
        frame = frame.older()
    return False


def step_to_a_learners_line():
    """One step, then out of whatever is not the learner's, until a line of theirs; False once
    main has returned."""
    gdb.execute("step", to_string=True)
    while alive():
        if not in_main_or_below():
            return False
        if learners(gdb.newest_frame()):
            return True
        gdb.execute("finish", to_string=True)
    return False


gdb.execute("break main", to_string=True)
gdb.execute("run > %s" % PRINTED, to_string=True)
for breakpoint in gdb.breakpoints():
    if breakpoint.location == "main":
        breakpoint.delete()

sources = {}
raw = []
last = None
follow_calls(0)
while True:
    frame = gdb.newest_frame()
    file, line = where(frame)
    if file not in sources:
        with open(frame.find_sal().symtab.fullname(), encoding="utf-8") as source:
            sources[file] = source.read().split("\n")
    frames, nodes = capture()
    state = {"file": file, "line": line, "frames": frames, "heap": nodes,
             "deleted": dict(deleted), "printed": printed(), "returned": list(returned)}
    if last is None or (file, line, len(frames)) != (last["file"], last["line"], len(last["frames"])):
        raw.append(state)
    last = state
    returned_before = len(returned)
    if not step_to_a_learners_line():
        break
    follow_calls(returned_before)
if alive():
    gdb.execute("continue", to_string=True)
final_printed = printed()



# What the states hold, with names for addresses.
def normalise(sources, states, final_printed):
    """The trace: every address a name ("&x", "&m in myFunc(3)", "node 1"), the real ones
    apart; each step the line just run, the one about to run, the frames, the nodes, what was
    printed, and a sentence saying what changed."""
    real = {}

    def names_of(state):
        counts = {}
        for frame in state["frames"]:
            for variable in frame["variables"]:
                counts[variable["name"]] = counts.get(variable["name"], 0) + 1
        named = {}
        for frame in state["frames"]:
            for variable in frame["variables"]:
                name = "&" + variable["name"]
                if counts[variable["name"]] > 1 or frame["function"] != "main":
                    name += " in " + frame["function"]
                named[variable["address"]] = (name, variable["size"])
        for node in state["heap"]:
            named[node["address"]] = (node["name"], node["size"])
        return named

    def target(address, named, gone):
        if address == 0:
            return "nullptr"
        if address in named:
            return named[address][0]
        if address in gone:
            return gone[address] + ", deleted"
        return "elsewhere"

    def shown(value, named, gone):
        kind, content = value
        if kind == "pointer":
            return {"pointer": target(content, named, gone)}
        if kind in ("int", "bool"):
            return {kind: content}
        if kind == "unreadable":
            return {"unreadable": True}
        if kind == "struct":
            return {"fields": [{"name": f, "type": t, "value": shown(v, named, gone)}
                               for f, t, v in content]}
        return {"object": True}

    steps = []
    for state in states:
        named = names_of(state)
        for address, (name, _) in named.items():
            real.setdefault(name, hex(address))
        frames = [{"function": f["function"], "file": f["file"], "line": f["line"],
                   "variables": [{"name": v["name"], "type": v["type"],
                                  "object": named[v["address"]][0],
                                  "value": shown(v["value"], named, state["deleted"])}
                                 for v in f["variables"]]}
                  for f in state["frames"]]
        heap = [{"name": n["name"], "type": n["type"],
                 "value": shown(n["value"], named, state["deleted"])} for n in state["heap"]]
        steps.append({"file": state["file"], "line": state["line"], "frames": frames,
                      "heap": heap, "printed": state["printed"],
                      "returned": [list(r) for r in state["returned"]]})
    for i, step in enumerate(steps):
        step["ran"] = [steps[i - 1]["file"], steps[i - 1]["line"]] if i > 0 else None
        step["sentence"] = sentence(steps[i - 1] if i > 0 else None, step, sources)
    return {"files": sources, "steps": steps, "printed": final_printed, "addresses": real}


def said(value):
    """A value in words: 5, x's address, node 2's address, nullptr."""
    if "int" in value:
        return str(value["int"])
    if "bool" in value:
        return "true" if value["bool"] else "false"
    if "pointer" in value:
        name = value["pointer"]
        if name == "nullptr":
            return "nullptr"
        if name == "elsewhere":
            return "an address outside what is drawn"
        if name.endswith(", deleted"):
            return "the address of " + name.replace(", deleted", ", now deleted")
        if name.startswith("&"):
            plain = name[1:].split(" in ")
            return plain[0] + "'s address" + (" in " + plain[1] if len(plain) > 1 else "")
        return name + "'s address"
    if "unreadable" in value:
        return "a value the debugger cannot read here"
    return "an object"


def dangles(old, new):
    """A pointer that still holds its address, whose node has just been deleted."""
    return "pointer" in old and "pointer" in new and new["pointer"] == old["pointer"] + ", deleted"


def variables_of(step):
    out = {}
    for frame in step["frames"]:
        for variable in frame["variables"]:
            out[(frame["function"], variable["name"])] = variable
    return out


def sentence(before, now, sources):
    """What the line just run did, in words: calls and returns, variables made and changed,
    nodes made and deleted, what was printed."""
    if before is None:
        return "main starts: nothing has run yet, and no local is made yet"
    text = sources[before["file"]][before["line"] - 1].split("//")[0].strip()
    changes = []
    functions_before = [f["function"] for f in before["frames"]]
    functions_now = [f["function"] for f in now["frames"]]
    for name, value in now["returned"][len(before["returned"]):]:
        changes.append("%s returns %d" % (name, value))
    for function in functions_now:
        if function not in functions_before:
            changes.append("%s is called, a new frame" % function)
    old = variables_of(before)
    dangling = {}  # node: the pointers left holding its address
    for key, variable in variables_of(now).items():
        function, name = key
        if key not in old:
            if function in functions_before:
                changes.append("%s is made, holding %s" % (name, said(variable["value"])))
            continue
        if old[key]["value"] != variable["value"]:
            if "fields" in variable["value"]:
                for field, was in zip(variable["value"]["fields"], old[key]["value"].get("fields", [])):
                    if dangles(was["value"], field["value"]):
                        dangling.setdefault(was["value"]["pointer"], []).append(name + "." + field["name"])
                    elif field["value"] != was["value"]:
                        changes.append("%s.%s now holds %s" % (name, field["name"], said(field["value"])))
            elif dangles(old[key]["value"], variable["value"]):
                dangling.setdefault(old[key]["value"]["pointer"], []).append(name)
            else:
                changes.append("%s now holds %s" % (name, said(variable["value"])))
    nodes_before = {n["name"]: n for n in before["heap"]}
    nodes_now = {n["name"]: n for n in now["heap"]}
    for name, node in nodes_now.items():
        if name not in nodes_before:
            changes.append("new makes %s" % name)
            continue
        for field, was in zip(node["value"].get("fields", []), nodes_before[name]["value"].get("fields", [])):
            if dangles(was["value"], field["value"]):
                dangling.setdefault(was["value"]["pointer"], []).append(name + "'s " + field["name"])
            elif field["value"] != was["value"]:
                changes.append("%s's %s now holds %s" % (name, field["name"], said(field["value"])))
    for name in nodes_before:
        if name not in nodes_now:
            holders = dangling.get(name, [])
            changes.append("%s is deleted" % name + (
                ": %s still %s its address" % (" and ".join(holders), "holds" if len(holders) == 1 else "hold")
                if holders else ""))
    if now["printed"] != before["printed"]:
        changes.append("the program prints %s" % json.dumps(now["printed"][len(before["printed"]):]))
    return text + ": " + ("; ".join(changes) if changes else "nothing drawn here changes")


trace = normalise(sources, raw, final_printed)
with open(TRACE, "w", encoding="utf-8") as out:
    json.dump(trace, out, indent=1, sort_keys=True)
    out.write("\n")
