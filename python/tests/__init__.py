"""Tests of the Python package; see dictionaries.py for their data."""
