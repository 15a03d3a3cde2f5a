// Lists every word form of the Russian dictionary shipped with the `az`
// package with its lemma and OpenCorpora tag, one "form<TAB>lemma<TAB>tag"
// a line on stdout.  The forms are read by walking the words DAWG (keys are
// Windows-1251 bytes, the word ends at the separator byte 1); each form is
// then parsed with the package's own dictionary parser, case-insensitively,
// its parses sorted by the package's corpus probabilities, and the normal
// form of every parse is its lemma.
// usage: node az_dump.js <node_modules dir>
'use strict';
const path = require('path');
const fs = require('fs');
const Az = require(path.join(process.argv[2], 'az'));
const dicts = path.join(process.argv[2], 'az', 'dicts');

const CP1251 = [];
{
  const dec = new TextDecoder('windows-1251');
  for (let b = 0; b < 256; b++) CP1251[b] = dec.decode(Uint8Array.of(b));
}

Az.Morph.init(dicts, function (err) {
  if (err) throw err;
  const buf = fs.readFileSync(path.join(dicts, 'words.dawg'));
  const data = buf.buffer.slice(buf.byteOffset, buf.byteOffset + buf.length);
  const dawg = Az.DAWG.fromArrayBuffer(data, 'words');
  const config = { ignoreCase: true, replacements: {}, stutter: 0, typos: 0,
                   parsers: ['Dictionary'], forceParse: false,
                   normalizeScore: true };
  const out = [];
  let pending = 0;
  function flush() {
    process.stdout.write(out.join(''));
    out.length = 0;
    pending = 0;
  }
  function emit(word) {
    const parses = Az.Morph(word, config);  // most probable parse first
    const seen = new Set();
    for (const p of parses) {
      const norm = p.normalize();
      const lemma = norm ? norm.word : p.word;
      const line = p.word + '\t' + lemma + '\t' + p.tag.toString() + '\n';
      if (seen.has(line)) continue;
      seen.add(line);
      out.push(line);
      if (++pending >= 20000) flush();
    }
  }
  const key = [];
  function visit(index) {
    let label = dawg.guide[index << 1];
    while (label) {
      const child = dawg.followByte(label, index);
      if (child < 0 || child === undefined) break;
      if (label === 1) {
        emit(key.map(b => CP1251[b]).join(''));
      } else {
        key.push(label);
        visit(child);
        key.pop();
      }
      label = dawg.guide[(child << 1) + 1];
    }
  }
  visit(0);
  flush();
});
