#!/usr/bin/env python3
"""lemma_counts: how often each lemma occurs in a directory of text files,
counted in one process or on a Dask cluster.

    lemma_counts.py CORPUS [--language CODE] [--dictionaries DIR]
                    [--scheduler ADDRESS | --local-workers N] [--top N]

Every file below CORPUS is UTF-8 text (bytes that are not UTF-8 are read as
U+FFFD). A file below a directory named after a language code
(CORPUS/de/...) is in that language; any other file is in --language
(default en). Each word counts under the lemma of its first reading, a
word without readings under itself. Prints "code<TAB>lemma<TAB>count",
the most frequent first (ties by code, then lemma).

Without --scheduler or --local-workers the files are counted in this
process, without Dask. --local-workers N starts a cluster of N worker
processes on this machine; --scheduler ADDRESS ("tcp://host:8786") uses a
running cluster. Each task names a file and its language: the worker reads
the file itself (every worker must see the corpus at the same path) and
lemmatizes it with lemmatizer.shared(), which opens each language once per
worker process, from --dictionaries when given (a path on the workers),
else where the package finds them on the worker. The client needs neither
the library nor the dictionaries.
"""
import argparse
import collections
import os
import sys


def corpus_files(corpus, default_language, codes):
    """(path, language code) of every file below `corpus`, sorted by path.
    `codes` are the names of subdirectories that give a language."""
    items = []
    for directory, subdirectories, files in os.walk(corpus):
        subdirectories.sort()
        top = os.path.relpath(directory, corpus).split(os.sep)[0]
        code = top if top in codes else default_language
        items += [(os.path.join(directory, name), code) for name in sorted(files)]
    return items


def count_file(path, code, dictionaries=None):
    """Counter of (code, lemma) over one file; runs on a worker."""
    import lemmatizer

    language = lemmatizer.shared(code, dictionaries)
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    counts = collections.Counter()
    for token in language.lemmatize(text):
        if token.kind == "word":
            counts[code, token.readings[0].lemma if token.readings else token.text] += 1
    return counts


def merged(counters):
    total = collections.Counter()
    for counter in counters:
        total.update(counter)
    return total


def count_here(items, dictionaries=None):
    """All files counted in this process."""
    return merged(count_file(path, code, dictionaries) for path, code in items)


def count_on_cluster(items, dictionaries=None):
    """All files counted by the Dask cluster of the current client: one task
    per file, the counts merged on the workers in a tree."""
    import dask.bag

    bag = dask.bag.from_sequence(items, npartitions=max(1, min(len(items), 64)))
    return bag.map(lambda item: count_file(item[0], item[1], dictionaries)).reduction(
        merged, merged, split_every=8).compute()


def opened_languages():
    """The codes the worker process opened: its tasks' languages, once each."""
    import lemmatizer

    return sorted(language.code for language in lemmatizer.shared_languages())


def table(counts, top=None):
    rows = sorted(counts.items(), key=lambda row: (-row[1], row[0]))
    return "".join(f"{code}\t{lemma}\t{n}\n" for (code, lemma), n in rows[:top])


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("corpus")
    parser.add_argument("--language", default="en")
    parser.add_argument("--dictionaries")
    where = parser.add_mutually_exclusive_group()
    where.add_argument("--scheduler", help="address of a running Dask scheduler")
    where.add_argument("--local-workers", type=int, help="start N local worker processes")
    parser.add_argument("--top", type=int, help="print only the N most frequent")
    args = parser.parse_args(argv)

    codes = {name for name in os.listdir(args.corpus)
             if len(name) == 2 and os.path.isdir(os.path.join(args.corpus, name))}
    items = corpus_files(args.corpus, args.language, codes)
    if args.scheduler is None and args.local_workers is None:
        counts = count_here(items, args.dictionaries)
    else:
        from distributed import Client, LocalCluster

        cluster = (LocalCluster(n_workers=args.local_workers, threads_per_worker=1,
                                processes=True, dashboard_address=None)
                   if args.local_workers else None)
        with Client(cluster or args.scheduler) as client:
            counts = count_on_cluster(items, args.dictionaries)
            for worker, opened in sorted(client.run(opened_languages).items()):
                print(f"{worker} opened {' '.join(opened) or 'nothing'}", file=sys.stderr)
        if cluster is not None:
            cluster.close()
    sys.stdout.write(table(counts, args.top))


if __name__ == "__main__":
    main()
