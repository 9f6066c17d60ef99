"""Prints one line per target of a benchmark program from its JSON results.

A targets file has one target a line (blank lines and # comments are skipped):
  ratio   <benchmark> <baseline benchmark> <at most> <what>
  counter <benchmark> <counter name>       <at most> <what>
  value   <benchmark> <counter name>       -         <what>
A value line only shows a counter, for reading the targets by (the stages of
a piece of work, say). A ratio compares wall times measured in the same run.
When the program ran its benchmarks several times (bench/run asks for three
repetitions), the medians are compared, so that a burst of work elsewhere
on the machine during one repetition does not decide the verdict.
"""
import json
import re
import sys


def main(targets_path, results_path):
    with open(results_path) as f:
        results = {b["name"]: b for b in json.load(f)["benchmarks"]}
    # A benchmark run a fixed number of times carries "/iterations:N" in its
    # name; a target may name it with or without.
    for name, bench in list(results.items()):
        results.setdefault(re.sub(r"/iterations:\d+", "", name), bench)

    def find(name):
        # Benchmarks with UseRealTime() carry "/real_time" in their name; the
        # median of repeated runs carries "_median" after it.
        for key in (name + "/real_time_median", name + "_median", name, name + "/real_time"):
            if key in results:
                return results[key]
        raise KeyError(name)

    with open(targets_path) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            kind, name, other, limit, what = line.split(None, 4)
            try:
                bench = find(name)
                if kind == "value":
                    print(f"{what}: {float(bench[other]):.3g}")
                    continue
                limit = float(limit)
                if kind == "ratio":
                    value = bench["real_time"] / find(other)["real_time"]
                    verdict = "ok" if value <= limit else "MISSED"
                    print(f"{what}: {value:.2f}x (target <= {limit:g}x) {verdict}")
                else:
                    value = float(bench[other])
                    verdict = "ok" if value <= limit else "MISSED"
                    print(f"{what}: {value:.3g} (target <= {limit:g}) {verdict}")
            except KeyError as missing:
                print(f"{what}: no result for {missing}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
