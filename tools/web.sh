#!/usr/bin/env bash
# The WebAssembly build, in build-web/, with Debian's emscripten (installed when missing).
#   bash tools/web.sh              builds the browser edition in build-web/site/ (a static folder
#                                  any web host serves as it is) and the command-line tools for node
#   bash tools/web.sh serve [PORT] ... and serves the page on this machine (default port 8000)
#   bash tools/web.sh test         ... and checks the tools against the desktop's stored results and
#                                  plays the page in Debian's headless Chromium
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh web
# Emscripten's JavaScript optimizer needs Debian's acorn.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
jobs=$(nproc)
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DORIZEN_WERROR=ON >/dev/null
cmake --build build-web -j"$jobs" --target site orizen-cli fingerprint orizen_engine_bench

if [ "${1:-}" = "serve" ]; then
  # Cross-origin isolated, so that the computer searches on two threads.
  echo "Orizen: http://localhost:${2:-8000}/"
  exec python3 - "${2:-8000}" build-web/site <<'EOF'
import functools, http.server, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()
handler = functools.partial(Handler, directory=sys.argv[2])
http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), handler).serve_forever()
EOF
fi
[ "${1:-}" = "test" ] || exit 0

# The WebAssembly build plays exactly as the desktop's: every score bit for bit, the stored
# self-play games ply for ply, the searching level's fixed-depth searches node for node.
failed=0
check() {
  local name=$1 expected=$2
  shift 2
  if diff -u "$expected" <("$@") >"build-web/$name.diff"; then
    echo "web: $name identical"
  else
    echo "web: $name differs:"; head -20 "build-web/$name.diff"; failed=1
  fi
}
data=tests/data
check fingerprint $data/fingerprint.txt node build-web/tools/fingerprint/fingerprint.js --modes 1,plain
check selfplay-opening $data/selfplay/opening-40.txt node build-web/orizen-cli.js selfplay --plies 40
check selfplay-hands $data/selfplay/hands-40.txt node build-web/orizen-cli.js selfplay --plies 40 $data/selfplay/hands.pos
check selfplay-levels $data/selfplay/levels-40.txt \
  node build-web/orizen-cli.js selfplay --first upper --upper-level 2 --lower-level 1 --plies 40
check engine-depth3 $data/engine-depth3.txt node build-web/orizen_engine_bench.js --depth 3

# The page in headless Chromium, driven by puppeteer-core as the lock file pins it.
(cd tests/web && npm ci --no-audit --no-fund --silent)
node --test tests/web/ || failed=1
exit $failed
