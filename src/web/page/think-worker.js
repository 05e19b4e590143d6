// The page's worker: LEVEL4's searches, on the engine compiled alone (orizen-think.js), so that
// the page stays alive while the computer thinks.
"use strict";

const waiting = [];
let ready = false;
var Module = {
  onRuntimeInitialized() {
    ready = true;
    while (waiting.length) search(waiting.shift());
  },
};
importScripts("orizen-think.js");

function search({position, seen, ms}) {
  const reportSize = Module._orizen_report_size();
  const p = Module._malloc(position.length), s = Module._malloc(Math.max(seen.length, 8)), r = Module._malloc(reportSize);
  Module.HEAPU8.set(position, p);
  Module.HEAPU8.set(seen, s);
  Module._orizen_think(p, s, seen.length / 8, ms, r);
  const report = Module.HEAPU8.slice(r, r + reportSize);
  Module._free(p), Module._free(s), Module._free(r);
  postMessage(report, [report.buffer]);
}

onmessage = (e) => (ready ? search(e.data) : waiting.push(e.data));
