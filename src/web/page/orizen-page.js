// The page around the game: the canvas it draws on, its menu bar, boxes and sounds. The game
// (orizen.js) calls the functions of `Orizen`; the page calls the game's orizen_press and
// orizen_command.
"use strict";

const Orizen = (() => {
  // The game draws on `buffer`, which keeps everything drawn; the page shows it with the aids over it.
  const canvas = document.getElementById("board");
  const shown = canvas.getContext("2d");
  const buffer = document.createElement("canvas");
  buffer.width = canvas.width, buffer.height = canvas.height;
  const ctx = buffer.getContext("2d");
  const unit = 4 / 15;  // canvas pixels per window unit (1/1440 inch): four to a 96-dpi pixel
  const px = (units) => Math.floor(units * unit + 0.5);
  const cellW = 72, cellH = 80, line = 4;
  const palette = ["#000000", "#000080", "#008000", "#008080", "#800000", "#800080", "#808000", "#c0c0c0",
                   "#808080", "#0000ff", "#00ff00", "#00ffff", "#ff0000", "#ff00ff", "#ffff00", "#ffffff"];
  const colour = (i) => palette[i >= 0 && i < 16 ? i : 0];
  const font = '"IPAPMincho", "IPAMincho", "Noto Serif CJK JP", "Hiragino Mincho ProN", "Yu Mincho", serif';

  // Pictures by code: lower pieces take the SITA_ pictures, upper ones the UE_ ones.
  const names = {30: "HU_0", 31: "HU_1", 40: "KYOU_0", 41: "KYOU_1", 50: "KEI_0", 51: "KEI_1", 100: "GIN_0",
                 101: "GIN_1", 110: "KIN", 800: "KAKU_0", 801: "KAKU_1", 900: "SYA_0", 901: "SYA_1", 950: "OU"};
  const files = {0: "KARA_MASU", 1: "ORIZEN", 2: "HAIKEI_MIDORI", 3: "HAIKEI_TATAMI", 4: "HAIKEI_TAKE",
                 5: "HAIKEI_UCHU", 6: "HAIKEI_RENGA"};
  for (const [code, name] of Object.entries(names)) files[code] = "UE_" + name, files[-code] = "SITA_" + name;
  const pictures = {};
  const loaded = Promise.all(Object.entries(files).map(([code, name]) => new Promise((done) => {
    const img = new Image();
    img.onload = img.onerror = () => done();
    img.src = "pictures/" + name + ".png";
    pictures[code] = img;
  })));

  // ---- Drawing -------------------------------------------------------------------------------
  let pending = false;
  const changed = () => {
    if (!pending) pending = true, requestAnimationFrame(compose);
  };
  // What has been drawn since the last fill and still shows: every operation but those a later
  // opaque one (a picture, or an outline in the same place) painted over whole. Drawn again, in order,
  // on the fill's colour, it gives the same picture; with texts in another language, the picture in
  // that language.
  let drawn = [], buckets = new Map(), filled = 2, kept = 8192;
  const bucketOf = (x, y) => Math.floor((x + 8) / cellW) + "," + Math.floor((y + 168) / cellH);
  const contains = (a, b) => b[0] >= a[0] && b[1] >= a[1] && b[0] + b[2] <= a[0] + a[2] && b[1] + b[3] <= a[1] + a[3];
  const opaqueCodes = {};
  const opaque = (code, img) => {
    if (!(code in opaqueCodes)) {
      const c = document.createElement("canvas");
      c.width = img.naturalWidth, c.height = img.naturalHeight;
      const cc = c.getContext("2d");
      cc.drawImage(img, 0, 0);
      const d = cc.getImageData(0, 0, c.width, c.height).data;
      let all = true;
      for (let i = 3; i < d.length && all; i += 4) all = d[i] === 255;
      opaqueCodes[code] = all;
    }
    return opaqueCodes[code];
  };
  const record = (op, isOpaque) => {
    if (isOpaque || op.kind === "outline") {
      const [x, y, w, h] = op.area;
      const near = w > cellW + line || h > cellH + line ? [...buckets.keys()]
        : [...new Set([bucketOf(x, y), bucketOf(x + w - 1, y), bucketOf(x, y + h - 1), bucketOf(x + w - 1, y + h - 1)])];
      for (const key of near)
        for (const e of buckets.get(key) || [])
          if (e.shows && (isOpaque ? contains(op.area, e.area)
                                   : e.kind === "outline" && e.area.every((v, i) => v === op.area[i]))) e.shows = false;
      for (const key of near) {
        const list = buckets.get(key);
        if (list && list.length > 64) buckets.set(key, list.filter((e) => e.shows));
      }
    }
    op.shows = true;
    drawn.push(op);
    const key = bucketOf(op.area[0], op.area[1]);
    if (!buckets.has(key)) buckets.set(key, []);
    buckets.get(key).push(op);
    if (drawn.length > kept) drawn = drawn.filter((e) => e.shows), kept = Math.max(8192, 2 * drawn.length);
  };
  const picture = (code, x, y) => {
    changed();
    const img = pictures[code];
    if (!img || !img.naturalWidth) return;
    record({kind: "picture", code, x, y, area: [px(x), px(y), img.naturalWidth, img.naturalHeight]}, opaque(code, img));
    ctx.drawImage(img, px(x), px(y));
  };
  const outline = (c, x, y) => {
    changed();
    const X = px(x), Y = px(y);
    record({kind: "outline", code: c, x, y, area: [X, Y, cellW + line, cellH + line]}, false);
    ctx.fillStyle = colour(c);
    ctx.fillRect(X, Y, cellW + line, line);
    ctx.fillRect(X, Y + cellH, cellW + line, line);
    ctx.fillRect(X, Y, line, cellH + line);
    ctx.fillRect(X + cellW, Y, line, cellH + line);
  };
  // `key` is the game's own text when the words shown depend on the language.
  const text = (x, y, s, c, size, bold, key) => {
    changed();
    ctx.font = (bold ? "bold " : "") + (size * 16 / 3) + "px " + font;
    ctx.textBaseline = "top";
    const area = [Math.floor(x * unit) - 4, Math.floor(y * unit) - 4, Math.ceil(ctx.measureText(s).width) + 8,
                  Math.ceil(size * 16 / 3 * 1.5) + 8];
    record({kind: "text", code: c, x, y, area, s, size, bold, key}, false);
    ctx.fillStyle = colour(c);
    ctx.fillText(s, x * unit, y * unit);
  };
  const fill = (c) => {
    changed();
    drawn = [], buckets = new Map(), filled = c;
    document.body.style.background = colour(c);
    ctx.fillStyle = colour(c);
    ctx.fillRect(0, 0, canvas.width, canvas.height);
  };

  // ---- The aids over the game's picture: the influence map, the hint, the list of moves --------
  const list = document.getElementById("moves");
  let aids = {};
  let wood = null;  // the empty square's pixels: what the influence map tints
  const tint = (balance) => {
    const c = balance > 0 ? [0, 60, 255] : [235, 0, 40];
    return [...c, Math.min(0.3 + 0.12 * (Math.abs(balance) - 1), 0.7)];
  };
  const cellX = (x) => px(1050 + 270 * x), cellY = (y) => px(-30 + 300 * y);
  const drawTint = () => {
    if (!wood) {
      const w = document.createElement("canvas");
      w.width = cellW + 4, w.height = cellH;
      const wc = w.getContext("2d");
      wc.drawImage(pictures[0], 0, 0);
      wood = wc.getImageData(0, 0, w.width, w.height).data;
    }
    for (let y = 1; y <= 27; ++y)
      for (let x = 1; x <= 27; ++x) {
        const b = aids.balance[(y - 1) * 27 + x - 1];
        if (b === 0) continue;
        const [r, g, bl, a] = tint(b);
        const img = shown.getImageData(cellX(x) + line, cellY(y) + line, cellW - line, cellH - line);
        const d = img.data;
        for (let j = 0; j < img.height; ++j)
          for (let i = 0; i < img.width; ++i) {
            const k = 4 * (j * img.width + i), kw = 4 * ((j + line) * (cellW + 4) + i + line);
            // Only the wood: the piece's own face and character stay as they are.
            if (d[k] !== wood[kw] || d[k + 1] !== wood[kw + 1] || d[k + 2] !== wood[kw + 2]) continue;
            d[k] = d[k] * (1 - a) + r * a, d[k + 1] = d[k + 1] * (1 - a) + g * a, d[k + 2] = d[k + 2] * (1 - a) + bl * a;
          }
        shown.putImageData(img, cellX(x) + line, cellY(y) + line);
      }
  };
  const shadowed = (x, y, s, c, size) => {
    shown.font = "bold " + (size * 16 / 3) + "px " + font;
    shown.textBaseline = "top";
    const X = (1050 + x * 270) * unit, Y = (-30 + y * 300) * unit, d = 27 * unit;
    shown.fillStyle = "#000";
    shown.fillText(s, X + d, Y + d);
    shown.fillStyle = c;
    shown.fillText(s, X, Y);
  };
  const drawHint = (h) => {
    shown.fillStyle = "rgb(230, 0, 230)";
    const t = 8, w = cellW - line, hh = cellH - line;
    for (const [x, y] of [h.from, h.to]) {
      const X = cellX(x) + line, Y = cellY(y) + line;
      shown.fillRect(X, Y, w, t), shown.fillRect(X, Y + hh - t, w, t);
      shown.fillRect(X, Y, t, hh), shown.fillRect(X + w - t, Y, t, hh);
    }
    shadowed(30, 7.2, tr("ヒント"), "rgb(255, 140, 255)", 10);
    shadowed(30, 8.0, h.text, "#fff", 12);
  };
  // A search's lines below the hint: the depth and the score, then the moves it expects.
  const drawLines = (lines) => lines.forEach((l, i) =>
    shadowed(30, 9.2 + 0.75 * i, l, i < 2 ? "rgb(255, 230, 140)" : "#fff", i < 2 ? 11 : 10));
  const follow = () => {
    list.hidden = !aids.moveList;
    if (!aids.moveList) return;
    const rows = aids.rows || [];
    while (list.children.length > rows.length) list.lastChild.remove();
    rows.forEach((text, n) => {
      let li = list.children[n];
      if (!li) {
        li = document.createElement("li");
        li.addEventListener("click", () => act(() => Module._orizen_step_to(n)));
        list.appendChild(li);
      }
      li.textContent = text;
      li.classList.toggle("current", n === aids.current);
      li.classList.toggle("ahead", n > aids.current);
    });
    list.children[aids.current]?.scrollIntoView({block: "nearest"});
  };
  function compose() {
    pending = false;
    if (!Module._orizen_aids) return;
    aids = JSON.parse(Module.UTF8ToString(Module._orizen_aids()));
    shown.drawImage(buffer, 0, 0);
    if (aids.influenceMap && aids.balance) drawTint();
    if (aids.hint) drawHint(aids.hint);
    if (aids.lines) drawLines(aids.lines);
    checked("influence", aids.influenceMap);
    checked("list", aids.moveList);
    for (const n of seconds) checked("s" + n, aids.seconds === n);
    follow();
  }
  // Something the person did: the game acts, then the picture follows.
  const act = (f) => {
    f();
    changed();
  };

  // ---- Boxes ---------------------------------------------------------------------------------
  const message = (text, title, yesNo) => {
    const shown = title && title.trim() ? title + "\n\n" + text : text;
    if (yesNo) return window.confirm(shown) ? 1 : 0;
    window.alert(shown);
    return 0;
  };
  const open = (address) => {
    let page = address.startsWith("/assets/") ? address.slice("/assets/".length) : address;
    if (page === "Orizen.htm" && english()) page = "Orizen.en.htm";  // the English help beside it
    return window.open(page, "_blank") ? 1 : 0;
  };
  // The version dialog: its picture, ホームページ and O K.
  const versionBox = document.getElementById("version");
  let homePage = "";
  document.getElementById("ok").addEventListener("click", () => versionBox.close());
  document.getElementById("homepage").addEventListener("click", () => {
    if (homePage && window.open(homePage, "_blank")) versionBox.close();
  });
  const version = (page) => {
    homePage = page;
    versionBox.showModal();
  };

  // ---- Menu bar ------------------------------------------------------------------------------
  const bar = document.getElementById("menubar");
  const items = {};
  const parents = [bar];
  const closeAll = () => bar.querySelectorAll(".open").forEach((e) => e.classList.remove("open"));
  const menu = (item, level, caption, key, checked) => {
    let el;
    if (level === 1) {
      el = document.createElement("div");
      el.className = "item";
      el.textContent = caption;
      bar.appendChild(el);
    } else {
      const holder = parents[level - 1];
      let list = holder.querySelector(":scope > ul");
      if (!list) {
        list = document.createElement("ul");
        holder.appendChild(list);
        if (level === 3) holder.classList.add("parent");
      }
      el = document.createElement("li");
      el.textContent = caption;
      list.appendChild(el);
    }
    el.dataset.item = item;
    el.dataset.key = key;
    el.classList.toggle("checked", !!checked);
    parents[level] = el;
    items[item] = el;
    el.addEventListener("click", (e) => {
      e.stopPropagation();
      if (el.querySelector(":scope > ul")) {
        const wasOpen = el.classList.contains("open");
        if (level === 1) closeAll();
        el.parentElement.querySelectorAll(":scope > .open").forEach((o) => o.classList.remove("open"));
        el.classList.toggle("open", !wasOpen);
        return;
      }
      closeAll();
      wake();
      act(() => Module._orizen_command(item));
    });
    // The aids' items: ヒント before 終わり; 勢力図, 棋譜一覧 and LEVEL4's time at the end of
    // ｵﾌﾟｼｮﾝ; the language after バージョン情報.
    if (key === "終わり") el.before(aidItem("hint", "ヒント", () => Module._orizen_hint()));
    if (key === "BGM") {
      el.after(aidItem("influence", "勢力図", () => Module._orizen_aid(0, !aids.influenceMap)));
      items.influence.after(aidItem("list", "棋譜一覧", () => Module._orizen_aid(1, !aids.moveList)));
      items.list.after(submenu("LEVEL4の持ち時間", true,
        seconds.map((n) => aidItem("s" + n, n + "秒", () => Module._orizen_level4_seconds(n)))));
    }
    if (key === "バージョン情報")
      el.after(submenu("Language / 言語", false, [aidItem("en", "English", () => language(1)),
                                                   aidItem("ja", "日本語", () => language(0))]));
  };
  // A menu of the page's own items; its caption in the game's language when `worded`.
  const submenu = (caption, worded, children) => {
    const li = document.createElement("li"), ul = document.createElement("ul");
    li.textContent = worded ? tr(caption) : caption;
    if (worded) li.dataset.key = caption;
    li.classList.add("parent");
    li.addEventListener("click", (e) => {
      e.stopPropagation();
      li.classList.toggle("open");
    });
    ul.append(...children);
    li.appendChild(ul);
    return li;
  };
  const seconds = [1, 3, 10];  // LEVEL4's times a move
  const aidItem = (name, caption, run) => {
    const li = document.createElement("li");
    li.textContent = tr(caption);
    li.dataset.item = name;
    li.dataset.key = caption;
    li.addEventListener("click", (e) => {
      e.stopPropagation();
      closeAll();
      act(run);
    });
    items[name] = li;
    return li;
  };
  const checked = (item, on) => items[item] && items[item].classList.toggle("checked", !!on);

  // ---- Language: the game's texts as the game shows them now ----------------------------------
  const english = () => !!(Module._orizen_english && Module._orizen_english());
  const tr = (japanese, where = 0) => {
    if (!Module._orizen_text) return japanese;
    const at = Module.allocateUTF8(japanese);
    const s = Module.UTF8ToString(Module._orizen_text(at, where));
    Module._free(at);
    return s;
  };
  // Every caption of the page in the game's language; the texts on the board shown again in it.
  const relabel = () => {
    document.documentElement.lang = english() ? "en" : "ja";
    bar.querySelectorAll("[data-key]").forEach((el) => {
      el.firstChild.nodeValue = tr(el.dataset.key, /^\d+$/.test(el.dataset.item) ? 1 : 0);
    });
    checked("en", english());
    checked("ja", !english());
    for (const label of form.querySelectorAll("label")) {
      label.dataset.key ??= label.firstChild.nodeValue;
      label.firstChild.nodeValue = tr(label.dataset.key);
    }
    for (const el of versionBox.querySelectorAll(".title, #homepage")) {
      el.dataset.key ??= el.textContent;
      el.textContent = tr(el.dataset.key);
    }
    versionBox.querySelector(".picture").style.backgroundImage =
      "url(pictures/" + (english() ? "VERSION_EN" : "VERSION") + ".png)";
    changed();
  };
  const language = (isEnglish) => {
    Module._orizen_language(isEnglish);
    const ops = drawn;
    fill(filled);
    for (const d of ops) {
      if (!d.shows) continue;
      if (d.kind === "picture") picture(d.code, d.x, d.y);
      else if (d.kind === "outline") outline(d.code, d.x, d.y);
      else text(d.x, d.y, d.key ? tr(d.key) : d.s, d.code, d.size, d.bold, d.key);
    }
    relabel();
  };
  document.addEventListener("click", closeAll);

  // ---- Sounds: Web Audio, decoded at once and heard from the first press on, as browsers allow ----
  let audio = null;
  const sounds = {};
  const played = [];  // the sounds started, by handle (for the page's tests)
  let nextSound = 1;
  const context = () => audio || (audio = new (window.AudioContext || window.webkitAudioContext)());
  const wake = () => {
    if (context().state === "suspended") audio.resume();
  };
  const decode = (s) => {
    if (s.buffer || s.decoding) return;
    context();
    s.decoding = true;
    audio.decodeAudioData(s.bytes.buffer.slice(0)).then((b) => {
      s.buffer = b;
      if (s.wantLoop) play(s);
    }, () => {});
  };
  const play = (s) => {
    if (!audio || !s.buffer) return;
    const src = audio.createBufferSource();
    src.buffer = s.buffer;
    src.loop = !!s.wantLoop;
    src.connect(audio.destination);
    src.start();
    played.push(s.id);
    if (s.wantLoop) s.playing = src;
  };
  const soundCreate = (bytes) => {
    const id = nextSound++;
    sounds[id] = {bytes, id};
    decode(sounds[id]);
    return id;
  };
  const soundPlay = (id, loop) => {
    const s = sounds[id];
    if (!s) return;
    if (loop) {
      if (s.playing) return;
      s.wantLoop = true;
    }
    play(s);
  };
  const soundStop = (id) => {
    const s = sounds[id];
    if (!s) return;
    s.wantLoop = false;
    if (s.playing) s.playing.stop(), s.playing = null;
  };
  const soundFree = (id) => soundStop(id) || delete sounds[id];

  // ---- Records: read from a file the person chooses or drops, written as a download ----------
  const folder = "/orizen/records/";
  const form = document.getElementById("record");
  const chooser = document.getElementById("chooser");
  const read = (file) => file.arrayBuffer().then((bytes) => {
    const name = folder + file.name.replace(/[\/\0]/g, "_");
    Module.FS.writeFile(name, new Uint8Array(bytes));
    const path = Module.allocateUTF8(name);
    act(() => Module._orizen_read_record(path));
    Module._free(path);
  });
  chooser.addEventListener("change", () => {
    if (chooser.files.length) read(chooser.files[0]);
    chooser.value = "";
  });
  document.addEventListener("dragover", (e) => e.preventDefault());
  document.addEventListener("drop", (e) => {
    e.preventDefault();
    if (e.dataTransfer.files.length) read(e.dataTransfer.files[0]);
  });
  const pickRecord = () => chooser.click();
  const fields = (shown) => {
    form.hidden = !shown;
    if (shown) form.elements.f1.focus();
  };
  const field = (i) => (form.elements["f" + i] || {value: ""}).value;
  form.addEventListener("submit", (e) => {
    e.preventDefault();
    act(() => Module._orizen_write_record());
  });
  const recordWritten = () => {
    const name = field(1) + ".棋譜";
    const bytes = Module.FS.readFile(folder + name);
    const a = document.createElement("a");
    a.href = URL.createObjectURL(new Blob([bytes], {type: "application/octet-stream"}));
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  };

  // ---- The files kept in the browser's storage: the settings and the game in progress -------
  let keeping = null;
  const keep = () => {
    clearTimeout(keeping);
    keeping = setTimeout(() => Module.FS.syncfs(false, () => {}), 100);
  };
  const mountFiles = () => {
    Module.FS.mkdir("/orizen");
    Module.FS.mount(IDBFS, {}, "/orizen");
    Module.addRunDependency("orizen-files");
    Module.FS.syncfs(true, () => Module.removeRunDependency("orizen-files"));
  };

  // ---- Presses on the board: the mouse, and touch (a long press is the right button) ----------
  const toUnits = (e) => {
    const r = canvas.getBoundingClientRect();
    return [(e.clientX - r.left) * (canvas.width / r.width) / unit, (e.clientY - r.top) * (canvas.height / r.height) / unit];
  };
  let touch = null;
  canvas.addEventListener("contextmenu", (e) => e.preventDefault());
  canvas.addEventListener("pointerdown", (e) => {
    wake();
    closeAll();
    const [x, y] = toUnits(e);
    if (e.pointerType === "mouse") {
      act(() => Module._orizen_press(e.button === 2 ? 2 : 1, e.shiftKey ? 1 : 0, x, y));
      return;
    }
    touch = {x, y, timer: setTimeout(() => {
      act(() => Module._orizen_press(2, 0, x, y));
      touch = null;
    }, 500)};
  });
  canvas.addEventListener("pointerup", () => {
    if (!touch) return;
    clearTimeout(touch.timer);
    const {x, y} = touch;
    act(() => Module._orizen_press(1, 0, x, y));
    touch = null;
  });
  canvas.addEventListener("pointercancel", () => touch && (clearTimeout(touch.timer), touch = null));
  // ← and → are 戻 and 進, Esc clears a selection or a hint.
  document.addEventListener("keydown", (e) => {
    if (!Module._orizen_step || e.target.tagName === "INPUT") return;
    if (e.key === "ArrowLeft" || e.key === "ArrowRight") act(() => Module._orizen_step(e.key === "ArrowLeft" ? -1 : 1));
    else if (e.key === "Escape") act(() => Module._orizen_escape());
    else return;
    e.preventDefault();
  });

  window.addEventListener("pagehide", () => Module.FS && Module.FS.syncfs(false, () => {}));

  // ---- LEVEL4 and the hint think in workers of their own; giving the game up ends LEVEL4's ----
  const thinkers = [null, null];
  const answered = [(at) => Module._orizen_thought(at), (at) => Module._orizen_hint_found(at)];
  const think = (which, position, seen, ms) => {
    if (!thinkers[which]) {
      thinkers[which] = new Worker("think-worker.js");
      // After each depth the report so far, then the answer.
      thinkers[which].onmessage = (e) => {
        const {depth, report, threads} = e.data, bytes = depth || report, at = Module._malloc(bytes.length);
        Module.HEAPU8.set(bytes, at);
        if (depth) {
          act(() => Module._orizen_depth(which, at));
        } else {
          Orizen.threads = threads;
          act(() => answered[which](at));
        }
        Module._free(at);
      };
    }
    thinkers[which].postMessage({position, seen, ms}, [position.buffer, seen.buffer]);
  };
  const stopThinking = () => {
    if (thinkers[0]) thinkers[0].terminate();
    thinkers[0] = null;
  };

  return {picture, outline, text, fill, message, open, version, menu, checked, relabel, language,
          soundCreate, soundPlay, soundStop, soundFree, played, loaded,
          pickRecord, fields, field, recordWritten, keep, mountFiles, think, stopThinking};
})();

// Kept for playing without a network, and to be installed as an app.
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js").catch(() => {});

// The game starts once its pictures and kept files are there.
var Module = {preRun: [Orizen.mountFiles]};
Orizen.loaded.then(() => {
  const s = document.createElement("script");
  s.src = "orizen.js";
  document.body.appendChild(s);
});
