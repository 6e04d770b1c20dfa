#!/usr/bin/env python3
"""Replays the mutants of a mutation-score report on another checkout.

Each mutant's original line is looked up in the new file (same text; the occurrence nearest
to the old line number); the same replacement is built and tested there with the tool's own
scratch copy and test command. A mutant whose line no longer exists is reported as "gone".
Results go to a JSON report shaped like the tool's, rewritten after every mutant, so a stopped replay
still leaves what it measured.

usage (from the root of a checkout):
  bench/mutation/replay.py bench/mutation/baseline.json . WORKDIR OUT.json [--timeout S] [--rename OLD=NEW ...]
MUTATION_SCORE names the tool when it is not at ../shared/tools/mutation-score.
"""
import importlib.machinery, importlib.util, json, os, sys, time, hashlib, shlex
tool = os.environ.get("MUTATION_SCORE", os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "shared", "tools", "mutation-score"))
loader = importlib.machinery.SourceFileLoader("ms", tool)
spec = importlib.util.spec_from_loader("ms", loader); ms = importlib.util.module_from_spec(spec)
loader.exec_module(ms)

base_path, root, workdir, out = sys.argv[1:5]
timeout, renames, args = 60.0, {}, sys.argv[5:]
while args:
    a = args.pop(0)
    if a == "--timeout": timeout = float(args.pop(0))
    elif a == "--rename":
        old, new = args.pop(0).split("="); renames[old] = new
base = json.load(open(base_path))
root = os.path.realpath(root)
tracked = ms.tracked_paths(root)
head = ms.git(root, "rev-parse", "HEAD").decode().strip()
cmake_args = ms.DEFAULT_CMAKE_ARGS + [a for a in base["cmake_args"] if a.startswith("-DCMAKE_") and "LINKER" in a] + ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"]
os.makedirs(workdir, exist_ok=True)
open(os.path.join(workdir, ms.MARKER), "w").write("scratch copies of a checkout for mutation-score\n")
copy = ms.Copy(0, workdir, "build")
build_cmd = ["ninja", "-C", copy.build]
ms.say("preparing %s" % copy.root)
copy.prepare(root, tracked, cmake_args, build_cmd)
cpus = os.cpu_count() or 2
test = base["test_command"].replace("{build}", "build").replace("{timeout}", str(int(timeout))).replace("{cpus}", str(cpus))
t0 = time.monotonic(); rc, to, secs = ms.run_command(test, copy.root, copy.log("baseline-test"), timeout=600, shell=True)
if rc != 0 or to:
    sys.exit("the unmutated tests fail (exit %s); see %s" % (rc, copy.log("baseline-test")))
ms.say("unmutated tests pass in %.0fs" % secs)

# Baseline kills first, round-robin over files, so that a stopped replay covers every file.
queues = {}
for f in base["files"]:
    for m in f["mutants"]:
        if m["status"] in ("killed", "survived"):
            queues.setdefault(f["file"], []).append(m)
order = []
for status in ("killed", "survived"):
    lists = [[m for m in q if m["status"] == status] for q in queues.values()]
    while any(lists):
        for l in lists:
            if l: order.append(l.pop(0))

results = []
def write():
    files = {}
    for r in results: files.setdefault(r["file"], []).append(r)
    def summ(rs):
        k = sum(r["status"] == "killed" for r in rs); s = sum(r["status"] == "survived" for r in rs)
        return {"replayed": len(rs), "valid": k + s, "killed": k, "survived": s,
                "invalid": sum(r["status"] == "invalid" for r in rs), "gone": sum(r["status"] == "gone" for r in rs),
                "baseline_killed": sum(r["baseline_status"] == "killed" for r in rs),
                "lost": sum(r["baseline_status"] == "killed" and r["status"] == "survived" for r in rs),
                "newly_killed": sum(r["baseline_status"] == "survived" and r["status"] == "killed" for r in rs)}
    rep = {"tool": "replay of mutation-score mutants", "baseline": base_path, "baseline_commit": base["commit"],
           "commit": head, "test_command": test,
           "test_timeout": timeout, "unmutated_test_seconds": round(secs, 1), "cmake_args": cmake_args,
           "planned": len(order), "complete": len(results) == len(order),
           "files": [dict(summ(rs), file=f, mutants=rs) for f, rs in files.items()],
           "total": summ(results)}
    tmp = out + ".tmp"; json.dump(rep, open(tmp, "w"), indent=1, ensure_ascii=False); os.replace(tmp, out)

for n, bm in enumerate(order, 1):
    rel = renames.get(bm["file"], bm["file"])
    data = ms.read_bytes(os.path.join(copy.root, rel)); text = data.decode("utf-8", "surrogateescape")
    lines = ms.split_lines(text)
    hits = [i for i, l in enumerate(lines) if l.rstrip("\r\n") == bm["original"]]
    rec = dict(bm, baseline_status=bm["status"], baseline_line=bm["line"], file=rel, killed_by=[],
               baseline_killed_by=bm.get("killed_by", []))
    if not hits:
        rec.update(status="gone", line=None)
    else:
        i = min(hits, key=lambda i: abs(i + 1 - bm["line"]))
        eol = lines[i][len(lines[i].rstrip("\r\n")):]
        m = ms.Mutant(rel, i + 1, lines[i], bm["mutated"].replace("\n", eol) + eol, bm["rule"], "")
        rec.update(copy.evaluate(m, lines, data, build_cmd, test, timeout), line=i + 1)
    results.append(rec)
    ms.say("[%d/%d] %s:%s %s (baseline %s)%s" % (n, len(order), rel, rec["line"], rec["status"], bm["status"],
           " by " + ", ".join(rec["killed_by"][:2]) if rec["killed_by"] else ""))
    write()
write()
