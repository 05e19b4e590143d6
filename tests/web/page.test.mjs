// The browser edition in Debian's headless Chromium: the page served from build-web/site, driven
// by its menus and presses on the board as a player's would be.
//   node --test tests/web/      (after bash tools/web.sh)
import {test, before, after} from "node:test";
import assert from "node:assert/strict";
import http from "node:http";
import fs from "node:fs";
import path from "node:path";
import puppeteer from "puppeteer-core";

const root = path.resolve(import.meta.dirname, "../..");
const site = path.join(root, "build-web/site");
const shots = path.join(root, "build-web/shots");
const types = {".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm", ".css": "text/css",
               ".png": "image/png", ".data": "application/octet-stream", ".htm": "text/html"};

// The site served as a static host serves it; `isolated`, with the headers that make the page
// cross-origin isolated (shared memory, threads).
async function serve(isolated) {
  const server = http.createServer((req, res) => {
    const file = path.join(site, decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/\/$/, "/index.html"));
    if (!file.startsWith(site) || !fs.existsSync(file)) return res.writeHead(404).end();
    const headers = {"Content-Type": types[path.extname(file)] || "application/octet-stream"};
    if (isolated) headers["Cross-Origin-Opener-Policy"] = "same-origin", headers["Cross-Origin-Embedder-Policy"] = "require-corp";
    res.writeHead(200, headers);
    fs.createReadStream(file).pipe(res);
  });
  await new Promise((done) => server.listen(0, "127.0.0.1", done));
  return server;
}

let server, isolatedServer, browser, base, isolatedBase;
before(async () => {
  server = await serve(false);
  isolatedServer = await serve(true);
  base = `http://127.0.0.1:${server.address().port}/`;
  isolatedBase = `http://127.0.0.1:${isolatedServer.address().port}/`;
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
  });
  fs.mkdirSync(shots, {recursive: true});
});
after(async () => {
  await browser?.close();
  server?.close();
  isolatedServer?.close();
});

// A page with the game loaded, in a browser context of its own (nothing kept from another test);
// every box is answered with OK or Yes and remembered. The browser's language is `language`.
async function open(width, height, at = base, language = "ja-JP") {
  const page = await (await browser.createBrowserContext()).newPage();
  await page.evaluateOnNewDocument((l) => Object.defineProperty(navigator, "language", {get: () => l}), language);
  await page.setViewport({width, height});
  page.boxes = [];
  page.on("dialog", (d) => {
    page.boxes.push(d.message());
    d.accept();
  });
  await page.goto(at);
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun);
  return page;
}
const history = (page) => page.evaluate(() => UTF8ToString(Module._orizen_history()).trim().split("\n").filter((l) => l));
// What the page draws over the game: the hint, the search's lines, the aids' settings.
const aidsOf = (page) => page.evaluate(() => JSON.parse(UTF8ToString(Module._orizen_aids())));
// Opens the menus along the captions and chooses the last.
async function choose(page, ...captions) {
  for (const c of captions) {
    const [el] = await page.$$(`xpath/.//*[@id="menubar"]//*[starts-with(normalize-space(text()), "${c}")]`);
    assert.ok(el, `menu item ${c}`);
    await el.click();
  }
}
// A press on the centre of board cell (x, y), as the mouse gives it.
async function press(page, x, y, button = "left") {
  const at = await page.evaluate((x, y) => {
    const c = document.getElementById("board"), r = c.getBoundingClientRect(), k = r.width / c.width * 4 / 15;
    return [r.left + (1050 + 270 * x + 135) * k, r.top + (-30 + 300 * y + 150) * k];
  }, x, y);
  await page.mouse.click(at[0], at[1], {button});
}

test("a game against the computer: the board, moves, a refused move, the computer's answer", async () => {
  const page = await open(1280, 900);
  assert.equal(await page.$$eval("#menubar > .item", (e) => e.length), 7);
  await page.screenshot({path: path.join(shots, "desktop-opening.png")});

  await choose(page, "対局", "対局(COM)", "先手");
  await press(page, 14, 18);
  await press(page, 14, 17);
  // The person's pawn, then the computer's answer at level 3, as the desktop plays it, each with the
  // piece sound (駒打音.wav, the third loaded).
  assert.deepEqual(await history(page), ["14 18 14 17 -30 -30", "14 10 14 11 30 30"]);
  assert.deepEqual(await page.evaluate(() => Orizen.played.filter((id) => id === 3).length), 2);

  // A pawn cannot move two squares: refused, nothing played.
  await press(page, 13, 18);
  await press(page, 13, 16);
  assert.equal((await history(page)).length, 2);
  await page.screenshot({path: path.join(shots, "desktop-two-moves.png")});

  // 書込: the record comes as a download, byte for byte the desktop's (Shift_JIS, CR LF).
  const downloads = fs.mkdtempSync(path.join(shots, "downloads-"));
  const cdp = await page.createCDPSession();
  await cdp.send("Browser.setDownloadBehavior",
                 {behavior: "allow", downloadPath: downloads, browserContextId: page.browserContext().id});
  await choose(page, "棋譜", "書込");
  for (const [field, text] of [["f2", "練習"], ["f3", "太郎"], ["f4", "花子"], ["f1", "test"]])
    await page.type(`#record input[name=${field}]`, text);
  await page.click("#record button");
  const file = path.join(downloads, "test.棋譜");
  for (let i = 0; i < 50 && !fs.existsSync(file); ++i) await new Promise((r) => setTimeout(r, 100));
  assert.ok(fs.existsSync(file), page.boxes.join(" / ") + " / " + fs.readdirSync(downloads).join(","));
  const sjis = (hex) => Buffer.from(hex, "hex");
  assert.deepEqual(fs.readFileSync(file), Buffer.concat([
    sjis("97fb8f4b"), Buffer.from("\r\n"), sjis("89d48e71"), Buffer.from("\r\n"), sjis("91be9859"),
    Buffer.from("\r\n14181417-30 -30 0   \r\n1410141130  30  0   \r\n")]));
  assert.ok(page.boxes.some((b) => b.endsWith("棋譜を書き込みました")));

  // The game in progress is kept: opened again, the page offers it back.
  page.boxes.length = 0;
  await new Promise((done) => setTimeout(done, 500));  // kept in the browser's storage
  await page.reload();
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun);
  assert.ok(page.boxes.some((b) => b.endsWith("前回の対局を読み込みますか？")), page.boxes.join(" / "));
  assert.deepEqual(await history(page), ["14 18 14 17 -30 -30", "14 10 14 11 30 30"]);
  await page.close();
});

test("a file that is not a record is refused as on the desktop; the version dialog", async () => {
  const page = await open(1280, 900);
  const [chooser] = await Promise.all([page.waitForFileChooser(), choose(page, "棋譜", "読込")]);
  const bad = path.join(shots, "not-a-record.棋譜");
  fs.writeFileSync(bad, "not a record\r\n");
  await chooser.accept([bad]);
  for (let i = 0; i < 20 && page.boxes.length === 0; ++i) await new Promise((r) => setTimeout(r, 100));
  assert.equal(page.boxes.length, 1, page.boxes.join(" / "));
  assert.ok(page.boxes[0].endsWith("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"), page.boxes[0]);
  assert.deepEqual(await history(page), []);

  await choose(page, "その他", "バージョン情報");
  assert.equal(await page.$eval("#version", (d) => d.open), true);
  await page.click("#ok");
  assert.equal(await page.$eval("#version", (d) => d.open), false);
  await page.close();
});

test("LEVEL4 thinks in a worker: the page stays alive and its move comes", async () => {
  const page = await open(1280, 900);
  await choose(page, "対局", "COM対局ﾚﾍﾞﾙ", "LEVEL4");
  await choose(page, "対局", "対局(COM)", "後手");  // the computer moves first
  const started = Date.now();
  assert.equal(await page.evaluate(() => 6 * 7), 42);  // answered while it thinks
  assert.ok(Date.now() - started < 500);
  await page.waitForFunction(() => UTF8ToString(Module._orizen_history()).trim() !== "", {timeout: 10000});
  const [move] = await history(page);
  assert.ok(Number(move.split(" ")[4]) > 0, move);  // an upper piece
  await page.screenshot({path: path.join(shots, "desktop-level4.png")});
  assert.equal(await page.evaluate(() => Orizen.threads), 1);
  await page.close();
});

test("LEVEL4's time is chosen, kept and searched for; its thinking shows beside the board", async () => {
  const page = await open(1280, 900);
  await page.evaluate(() => {  // the time the page gives its workers
    const post = Worker.prototype.postMessage;
    window.asked = [];
    Worker.prototype.postMessage = function (m, t) {
      asked.push(m.ms);
      return post.call(this, m, t);
    };
  });
  await choose(page, "ｵﾌﾟｼｮﾝ", "LEVEL4の持ち時間", "3秒");
  await choose(page, "対局", "COM対局ﾚﾍﾞﾙ", "LEVEL4");
  await choose(page, "対局", "対局(COM)", "後手");
  // After each depth while it thinks, and after its move until the board is pressed.
  await page.waitForFunction(() => JSON.parse(UTF8ToString(Module._orizen_aids())).lines &&
                                   UTF8ToString(Module._orizen_history()).trim() === "");
  await page.waitForFunction(() => UTF8ToString(Module._orizen_history()).trim() !== "", {timeout: 15000});
  assert.deepEqual(await page.evaluate(() => asked), [3000]);
  const {lines} = await aidsOf(page);
  assert.ok(lines[0].startsWith("深さ ") && /^評価 [+-]\d+\.\d\d$/.test(lines[1]) && lines[2].startsWith("▲ "),
            lines.join(" / "));  // the computer moved first
  await page.screenshot({path: path.join(shots, "desktop-thinking.png")});
  await choose(page, "その他", "Language / 言語", "English");
  assert.ok((await aidsOf(page)).lines[0].startsWith("Depth "));
  assert.equal(await page.$eval('[data-item="s3"]', (e) => e.classList.contains("checked") && e.textContent), "3 s");
  await press(page, 14, 18);
  assert.equal((await aidsOf(page)).lines, undefined);

  await new Promise((done) => setTimeout(done, 500));  // kept in the browser's storage
  await page.reload();
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun);
  assert.equal((await aidsOf(page)).seconds, 3);
  await page.close();
});

test("cross-origin isolated, LEVEL4 searches on two threads", async () => {
  const page = await open(1280, 900, isolatedBase);
  assert.equal(await page.evaluate(() => crossOriginIsolated), true);
  await choose(page, "対局", "COM対局ﾚﾍﾞﾙ", "LEVEL4");
  await choose(page, "対局", "対局(COM)", "後手");
  await page.waitForFunction(() => UTF8ToString(Module._orizen_history()).trim() !== "", {timeout: 10000});
  assert.equal(await page.evaluate(() => Orizen.threads), 2);
  assert.ok((await aidsOf(page)).lines?.length >= 3);  // its thinking came from the build with threads too
  await page.close();
});

test("installable, and after the first visit it plays without a network", async () => {
  const page = await open(1280, 900);
  const cdp = await page.createCDPSession();
  // Nothing keeps it from being installed but the private context each test runs in.
  const {installabilityErrors} = await cdp.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors.filter((e) => e.errorId !== "in-incognito"), []);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));  // active: every file is kept
  await page.setOfflineMode(true);
  await new Promise((done) => setTimeout(done, 500));  // kept in the browser's storage
  await page.reload();
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun, {timeout: 10000});
  await choose(page, "対局", "対局(COM)", "先手");
  await press(page, 14, 18);
  await press(page, 14, 17);
  assert.equal((await history(page)).length, 2);
  await page.close();
});

test("the aids: a hint, the influence map, the list of moves, ← → and Esc", async () => {
  const page = await open(1280, 900);
  const aids = () => page.evaluate(() => JSON.parse(UTF8ToString(Module._orizen_aids())));
  await choose(page, "対局", "対局(COM)", "先手");
  await choose(page, "対局", "ヒント");  // searched in a worker of its own for half a second
  await page.waitForFunction(() => JSON.parse(UTF8ToString(Module._orizen_aids())).hint !== undefined);
  const {hint, lines} = await aids();
  assert.ok(hint && hint.to[0] >= 1 && hint.to[1] >= 1, JSON.stringify(hint));
  assert.ok(lines[0].startsWith("深さ "), lines.join(" / "));  // its search under it
  await page.keyboard.press("Escape");
  assert.equal((await aids()).hint, undefined);

  await choose(page, "ｵﾌﾟｼｮﾝ", "勢力図");
  await choose(page, "ｵﾌﾟｼｮﾝ", "棋譜一覧");
  await press(page, 14, 18);
  await press(page, 14, 17);
  const shown = await aids();
  assert.ok(shown.influenceMap && shown.balance.some((b) => b > 0) && shown.balance.some((b) => b < 0));
  assert.deepEqual(shown.rows.length, 3);
  assert.equal(shown.current, 2);
  await page.screenshot({path: path.join(shots, "desktop-aids.png")});

  await page.keyboard.press("ArrowLeft");
  assert.equal((await aids()).current, 1);
  await page.keyboard.press("ArrowRight");
  assert.equal((await aids()).current, 2);
  await page.click("#moves li:first-child");  // back to the start
  const start = await aids();
  assert.equal(start.current, 0);
  await page.waitForFunction((row) => document.querySelector("#moves li.current")?.textContent === row, {}, start.rows[0]);
  await page.close();
});

test("held upright on a phone, the board and both hands fill the width and a tap plays", async () => {
  const page = await open(390, 844);
  const box = await page.$eval("#board", (c) => c.getBoundingClientRect().toJSON());
  assert.ok(Math.abs(box.width * 2512 / 3016 - 390) < 2, `board ${box.width} wide`);
  await choose(page, "対局", "対局(COM)", "先手");
  await press(page, 1, 18);
  await press(page, 1, 17);
  assert.equal((await history(page)).length, 2);
  await page.screenshot({path: path.join(shots, "phone-two-moves.png")});
  await page.close();
});

test("in English where the browser speaks it: menus, boxes, the board's texts; 日本語 at once and kept", async () => {
  const page = await open(1280, 900, base, "en-US");
  assert.equal(await page.$eval("#menubar > .item", (e) => e.firstChild.nodeValue), "Game");
  await choose(page, "Game", "Against the computer", "You move first");
  assert.equal(page.boxes.at(-1), "Your move.");
  await press(page, 14, 18);
  await press(page, 14, 17);
  assert.equal((await history(page)).length, 2);
  await press(page, 13, 18);
  await press(page, 13, 16);  // refused, without a box
  await page.screenshot({path: path.join(shots, "desktop-english.png")});
  await choose(page, "Position", "Reverse");
  await choose(page, "Record", "Save");
  assert.equal(page.boxes.at(-1), "Save record\n\nA reversed board cannot be saved.");
  assert.equal(await page.$eval("#record label", (l) => l.firstChild.nodeValue), "Game:");

  // The board drawn again in the other language, and back exactly.
  const frame = () => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  const board = async () => (await frame(), page.evaluate(() => document.getElementById("board").toDataURL()));
  const english = await board();
  await choose(page, "More", "Language / 言語", "日本語");
  assert.equal(await page.$eval("#menubar > .item", (e) => e.firstChild.nodeValue), "対局");
  assert.notEqual(await board(), english);
  await choose(page, "その他", "Language / 言語", "English");
  assert.equal(await board(), english);
  await choose(page, "More", "Language / 言語", "日本語");
  await new Promise((done) => setTimeout(done, 500));  // kept in the browser's storage
  await page.reload();
  await page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun);
  assert.equal(await page.$eval("#menubar > .item", (e) => e.firstChild.nodeValue), "対局");
  await page.close();
});
