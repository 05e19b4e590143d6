// The page's worker: searches of the searching level's engine compiled alone, so that the page
// stays alive while it thinks. Where the page is cross-origin isolated (shared memory), the build
// with threads searches on two; elsewhere the build without searches on one.
"use strict";

const threads = self.crossOriginIsolated ? 2 : 1;
const script = threads > 1 ? "orizen-think-mt.js" : "orizen-think.js";
const waiting = [];
let ready = false;
var Module = {
  mainScriptUrlOrBlob: script,
  onRuntimeInitialized() {
    ready = true;
    while (waiting.length) search(waiting.shift());
  },
  // After each depth, while the search goes on: the report so far.
  depthDone(report) {
    postMessage({depth: report}, [report.buffer]);
  },
};
importScripts(script);

function search({position, seen, ms}) {
  const reportSize = Module._orizen_report_size();
  const p = Module._malloc(position.length), s = Module._malloc(Math.max(seen.length, 8)), r = Module._malloc(reportSize);
  Module.HEAPU8.set(position, p);
  Module.HEAPU8.set(seen, s);
  Module._orizen_think(p, s, seen.length / 8, ms, threads, r);
  const report = Module.HEAPU8.slice(r, r + reportSize);
  Module._free(p), Module._free(s), Module._free(r);
  postMessage({report, threads}, [report.buffer]);
}

onmessage = (e) => (ready ? search(e.data) : waiting.push(e.data));
