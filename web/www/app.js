// The browser edition's page. Everything the form does is asked of the core
// (korvex_web.js): this script only shows the form as the core describes it,
// hands it what the user does, and shows the report pages the core draws. The
// dialogs are in dialogs.js, what the page keeps in the browser in storage.js.
"use strict";

const params = new URLSearchParams(location.search);
const measureContext = document.createElement("canvas").getContext("2d");

// The report's texts are measured in the fonts the page shows them in.
window.korvexMeasureText = (family, pixels, bold, text) => {
  measureContext.font = `${bold ? "bold " : ""}${pixels}px "${family}"`;
  const m = measureContext.measureText(text);
  return [m.width, m.fontBoundingBoxAscent, m.fontBoundingBoxDescent];
};

const USER_SITE_FILES = ["Data_Address.csv", "Data_SnowfallV.csv", "Data_Office.csv"];
const STORAGE_PREFIX = "korvex.Load_data/";

let korvex = null;   // the module
let session = null;  // its WebSession
let pageTables = null; // the menus, dialogs and texts of the core's tables
const widgets = new Map(); // control name -> element
// The design's own file: its name, and its handle where the browser gives one.
const currentFile = { name: "", handle: null };

// ---- start-up --------------------------------------------------------------

// The report fonts come with the page as data URLs (fonts/*.js), so the page
// works opened from a local file too; bold is drawn from the same font, as on
// the desktop.
async function loadFonts() {
  const faces = Object.entries(window.korvexFonts || {}).map(
    ([family, url]) => new FontFace(family, `url(${url})`));
  for (const face of await Promise.all(faces.map((f) => f.load()))) document.fonts.add(face);
}

// The user's own site rows live in the browser's storage and in the module's
// file system while the page is open.
function writeUserSiteFiles() {
  korvex.FS.mkdirTree("/user/Load_data");
  for (const name of USER_SITE_FILES) {
    let stored = null;
    try {
      stored = localStorage.getItem(STORAGE_PREFIX + name);
    } catch (error) {
      // No storage: the shipped tables alone; a save of a row tells why.
    }
    if (stored !== null) korvex.FS.writeFile("/user/Load_data/" + name, fromBase64(stored));
  }
}

async function start() {
  const [module] = await Promise.all([createKorvex(), loadFonts()]);
  korvex = module;
  writeUserSiteFiles();
  const file = params.get("file");
  // The file's results name its sea ratio's reference: the coastline first.
  if (file && params.get("json") === "1") {
    await bringCoastline();
    return showProjectText(file, korvex.projectJson);
  }
  if (file && params.get("spanTable") === "1") return showProjectText(file, korvex.projectSpanTableJson);

  pageTables = JSON.parse(korvex.pageTables());
  session = new korvex.WebSession();
  const error = session.start();
  document.getElementById("loading").hidden = true;
  if (error) return message(error);
  buildMenuBar();
  buildForm(JSON.parse(session.layout()));
  bindAreaSearch();
  document.getElementById("mainWindow").hidden = false;
  refresh();
  document.body.dataset.ready = "1";
  window.korvexReadyTime = performance.now();

  await Promise.all([startTab(), loadRecentDesigns()]);
  for (const notice of JSON.parse(session.userNotices())) await message(notice);
  // The terms are shown once, on the first visit, as the desktop shows them on
  // its first start.
  if (!storedFlag("korvex.usageNoticeShown") && !navigator.webdriver) showUsageNotice();
  await startKeeper();
  document.body.dataset.settled = "1";
  takeLaunchedFiles();
}

function storedFlag(key) {
  try {
    if (localStorage.getItem(key)) return true;
    localStorage.setItem(key, "1");
  } catch (error) {
    // Without storage the terms are shown at every visit.
  }
  return false;
}

// `?file=NAME.kvxw&json=1` and `&spanTable=1`: the file's results or span table
// exactly as `korvex --json` and `korvex --span-table` print them.
async function showProjectText(name, run) {
  const response = await fetch(name);
  const bytes = new Uint8Array(await response.arrayBuffer());
  const pre = document.getElementById("json");
  pre.textContent = run(name.split("/").pop(), bytes);
  pre.hidden = false;
  document.getElementById("loading").hidden = true;
  document.body.dataset.ready = "1";
}

// ---- the form --------------------------------------------------------------

function place(element, item) {
  element.style.left = item.left + "px";
  element.style.top = item.top + "px";
  element.style.width = item.width + "px";
  element.style.height = item.height + "px";
}

function buildForm(layout) {
  const form = document.getElementById("form");
  const parents = new Map([["", form]]); // panels, groups and the status bar
  let formHeight = 0; // down to the lowest item placed on the window itself
  for (const item of layout) {
    const parent = parents.get(item.parent) || form;
    let element;
    switch (item.kind) {
      case "panel":
        element = document.createElement("div");
        element.className = "panel";
        parents.set(item.name, element);
        break;
      case "group":
        element = document.createElement("div");
        element.className = "group";
        element.innerHTML = '<span class="legend"></span>';
        parents.set(item.name, element);
        break;
      case "titleBand":
      case "text":
        element = document.createElement("div");
        element.textContent = item.text;
        if (item.kind === "titleBand") element.classList.add("titleBand");
        break;
      case "edit":
        element = document.createElement("input");
        element.type = "text";
        break;
      case "spin":
        element = document.createElement("input");
        element.type = "number";
        break;
      case "combo":
        element = document.createElement("select");
        break;
      case "check":
      case "radio": {
        element = document.createElement("label");
        element.className = item.kind;
        const input = document.createElement("input");
        input.type = item.kind === "radio" ? "radio" : "checkbox";
        input.name = item.kind === "radio" ? item.parent : item.name;
        const caption = document.createElement("span");
        element.append(input, caption);
        break;
      }
      case "display":
        element = document.createElement("div");
        if (item.name === "statusBar") {
          // The hints, and the verdict while typing at the right.
          const hint = document.createElement("span");
          hint.className = "statusText";
          element.append(hint);
          parents.set(item.name, element);
        } else if (item.name === pageTables.liveVerdict.name) {
          buildLiveVerdict(element);
        }
        break;
      case "picture":
      case "spanPictures":
        element = document.createElement("img");
        element.alt = "";
        break;
      case "button":
        element = document.createElement("button");
        element.type = "button";
        break;
      default:
        continue;
    }
    element.classList.add("item");
    if (item.kind === "panel" || item.kind === "group") element.classList.remove("item");
    if (item.align !== "left") element.classList.add(item.align);
    if (item.bold) element.style.fontWeight = "bold";
    if (item.fontPixels) element.style.fontSize = item.fontPixels + "px";
    place(element, item);
    if (!item.parent) formHeight = Math.max(formHeight, item.top + item.height);
    if (item.name) {
      element.dataset.name = item.name;
      widgets.set(item.kind === "spanPictures" ? "spanPictures" : item.name, element);
      bindControl(element, item);
    }
    parent.appendChild(element);
  }
  form.style.height = formHeight + "px";
  addRecentArrow();
}

// "データ読込" shares its place with the arrow that opens the recent designs.
function addRecentArrow() {
  const load = widgets.get("loadButton");
  const arrow = document.createElement("button");
  arrow.type = "button";
  arrow.className = "item recentArrow";
  arrow.dataset.name = "recentDesignsButton";
  arrow.title = pageTables.recent.title;
  arrow.textContent = "▼";
  arrow.tabIndex = -1;
  arrow.style.left = parseInt(load.style.left, 10) + parseInt(load.style.width, 10) + 1 + "px";
  arrow.style.top = load.style.top;
  arrow.style.width = pageTables.recent.arrowWidth + "px";
  arrow.style.height = load.style.height;
  arrow.addEventListener("click", (event) => {
    event.stopPropagation();
    const rect = arrow.getBoundingClientRect();
    openMenu(recentMenuEntries(), rect.left, rect.bottom, arrow);
  });
  load.after(arrow);
}

function inputOf(element) {
  return element.tagName === "LABEL" ? element.querySelector("input") : element;
}

// A change goes to the core, which runs the control's behaviour; the form is
// then shown again as the core holds it.
async function change(name, value) {
  const result = JSON.parse(session.change(name, value));
  refresh();
  if (result.message) await showFormMessage(result);
}

async function showFormMessage(result) {
  await message(result.message);
  if (result.focus) focusControl(result.focus);
}

function focusControl(name) {
  const element = widgets.get(name);
  if (element) inputOf(element).focus();
}

function bindControl(element, item) {
  const name = item.name;
  const input = inputOf(element);
  input.addEventListener("focus", () => {
    session.focus(name);
    refresh(); // the status line shows the control's hint
  });
  switch (item.kind) {
    case "edit":
    case "spin":
      input.addEventListener("input", () => change(name, input.value));
      input.addEventListener("blur", async () => {
        const result = JSON.parse(session.leave(name));
        // The focus is on its way to the control clicked or tabbed to: the
        // field being left must not take it back.
        refresh({ leaving: true });
        if (result.message) await showFormMessage(result);
      });
      // Typing is filtered as on the desktop: a key the field refuses never lands.
      input.addEventListener("beforeinput", (event) => {
        if (!event.data) return;
        for (const ch of event.data) {
          if (!session.acceptsKey(name, ch.codePointAt(0))) {
            event.preventDefault();
            return;
          }
        }
      });
      break;
    case "combo":
      input.addEventListener("change", () => change(name, String(input.selectedIndex)));
      break;
    case "radio":
      input.addEventListener("click", () => change(name, "1"));
      break;
    case "check":
      input.addEventListener("change", () => change(name, input.checked ? "1" : "0"));
      break;
    case "display":
      if (name === "usageNoticeLink") {
        element.style.cursor = "pointer";
        element.style.textDecoration = "underline";
        element.style.color = "#0000cc";
        element.addEventListener("click", showUsageNotice);
      }
      break;
    case "button":
      element.addEventListener("click", () => command(name));
      break;
  }
}

function setHint(element, control) {
  if (control.hint !== undefined && element.title !== control.hint) element.title = control.hint;
}

// The form shown as the core holds it. The core's active control gets the focus
// when nothing has it (after a dialog), but not while a field is being left.
function refresh({ leaving = false } = {}) {
  // The reference is measured again, and shown, once the coastline has come.
  if (!coastline.loading && session.coastlineAwaiting()) bringCoastline().then(() => refresh());
  const state = JSON.parse(session.state());
  document.title = state.caption;
  document.getElementById("caption").textContent = state.caption;
  if (state.fileName !== currentFile.name) {
    currentFile.name = state.fileName;
    if (!state.fileName) currentFile.handle = null;
  }
  formChanged();
  for (const [name, c] of Object.entries(state.controls)) {
    const element = widgets.get(name);
    if (c.kind === "panel") {
      const panel = document.querySelector(`.panel[data-name="${name}"]`);
      if (panel) panel.dataset.hidden = c.visible ? "0" : "1";
      continue;
    }
    if (!element) continue;
    const input = inputOf(element);
    setHint(element, c);
    if ("enabled" in c) input.disabled = !c.enabled;
    if ("visible" in c) element.dataset.hidden = c.visible ? "0" : "1";
    switch (c.kind) {
      case "edit":
        if (input.value !== c.text) input.value = c.text;
        break;
      case "spin":
        input.min = c.min;
        input.max = c.max;
        input.step = c.step;
        if (input.value !== String(c.value) && document.activeElement !== input)
          input.value = c.value;
        break;
      case "combo": {
        const same = input.options.length === c.items.length &&
          c.items.every((text, i) => input.options[i].text === text);
        if (!same) {
          input.replaceChildren(...c.items.map((text) => new Option(text)));
        }
        if (input.selectedIndex !== c.index) input.selectedIndex = c.index;
        break;
      }
      case "radio":
      case "check": {
        element.querySelector("span").textContent = c.caption;
        input.checked = c.checked;
        if (c.colour) element.style.color = c.colour;
        element.style.fontWeight = c.bold ? "bold" : "";
        break;
      }
      case "display":
        (element.querySelector(".statusText") || element).textContent = c.caption;
        if (c.colour && name !== "usageNoticeLink" && name !== "programNameLabel")
          element.style.color = c.colour;
        break;
      case "group":
        element.querySelector(".legend").textContent = c.caption;
        break;
      case "button":
        element.textContent = c.caption;
        break;
    }
  }
  for (const [name, [left, top, width, height]] of Object.entries(state.places)) {
    const element = widgets.get(name) || document.querySelector(`.panel[data-name="${name}"]`);
    if (element && element.classList.contains("titleBand")) continue;
    if (element) place(element, { left, top, width, height });
  }
  for (const [name, file] of Object.entries(state.pictures)) {
    const element = widgets.get(name);
    if (element && !element.src.endsWith("pictures/" + file)) element.src = "pictures/" + file;
  }
  const span = widgets.get("spanPictures");
  if (span) {
    const file = "pictures/" + state.spanPicture + ".png";
    if (!span.src.endsWith(file)) span.src = file;
  }
  const active = widgets.get(state.activeControl);
  if (active && !leaving && document.activeElement !== inputOf(active) &&
      document.activeElement === document.body)
    inputOf(active).focus({ preventScroll: true });
  followFormSeaMap();
  verdictAfterPause();
  return state;
}

// ---- the verdict while typing -----------------------------------------------------

// A pause after every change of the form the right-hand part of the status line
// shows the core's verdict of the form as it stands (form/live_verdict.h): OK or
// NG with the largest ratio, or the message 計算 would give, in grey. The core
// works on a copy: the form, its unsaved mark and its copy in the browser stay
// as they are, and no dialog opens and the focus stays where it is. An open span
// table follows at the same moment.
const live = { timer: 0, changedAt: 0, line: null };

// The line in its room (the layout table's item): at the room's right end, as
// wide as its text.
function buildLiveVerdict(room) {
  const line = document.createElement("span");
  line.className = "liveVerdictLine";
  line.style.paddingLeft = line.style.paddingRight = pageTables.liveVerdict.padding + "px";
  line.hidden = true;
  room.classList.add("liveVerdict");
  room.append(line);
  live.line = line;
}

function verdictAfterPause() {
  live.changedAt = performance.now();
  clearTimeout(live.timer);
  live.timer = setTimeout(showLiveVerdict, pageTables.liveVerdict.delay);
  holdSpanTableFollowing();
}

function showLiveVerdict() {
  live.timer = 0;
  const started = performance.now();
  const verdict = JSON.parse(session.liveVerdict());
  const line = live.line;
  line.textContent = verdict.text;
  line.title = verdict.text;
  line.style.color = verdict.colour;
  line.dataset.state = verdict.state;
  line.hidden = !verdict.text;
  // The hint keeps the part of the bar before the line.
  const bar = widgets.get("statusBar");
  const hint = bar.querySelector(".statusText");
  hint.style.marginRight = line.hidden ? ""
    : bar.getBoundingClientRect().right - line.getBoundingClientRect().left + "px";
  // From the change to the line shown, the pause left out; and the work alone.
  const shown = performance.now();
  window.korvexLiveVerdict = {
    latency: shown - live.changedAt - pageTables.liveVerdict.delay,
    work: shown - started,
    count: (window.korvexLiveVerdict?.count || 0) + 1,
  };
  followSpanTable();
}

// ---- the coastline of the sea ratio -----------------------------------------------

// The coastline (about 200 kB) comes only when a design first asks for a sea
// ratio: a script beside the page holds it, since a page opened from a local
// file may load scripts but not fetch files. It goes into the module's data
// folder, where the core reads it as the desktop reads its own.
const coastline = { loading: null };

function bringCoastline() {
  if (!coastline.loading) {
    coastline.loading = new Promise((resolve) => {
      const script = document.createElement("script");
      script.src = "coastline.js";
      script.onload = () => {
        try {
          const bytes = fromBase64(window.korvexCoastline || "");
          delete window.korvexCoastline;
          if (!bytes.length) return resolve(false);
          korvex.putCoastline(bytes);
          if (session) session.coastlineArrived();
          resolve(true);
        } catch (error) {
          console.warn(error);
          resolve(false);
        }
      };
      script.onerror = () => resolve(false);
      document.head.append(script);
    }).then((arrived) => {
      if (!arrived && session) session.coastlineUnavailable();
      return arrived;
    });
  }
  return coastline.loading;
}

// Runs a step of the core that may measure a sea ratio (a load, a restored
// copy). When it asked for the coastline before it was here, the step runs
// again with it: a design whose sea ratio was taken from its reference keeps
// that mark only when the reference can be measured while it loads.
async function withCoastline(step) {
  const result = step();
  if (!session.coastlineAwaiting()) return result;
  return (await bringCoastline()) ? step() : result;
}

// ---- the area box's search ------------------------------------------------------

// Typing in the area box searches the areas of every prefecture, as on the
// desktop; the matches name their prefecture.
let areaMatches = [];
let areaCurrent = 0;

function openAreaSearch(initial) {
  const box = widgets.get("areaBox");
  const popup = document.getElementById("areaSearch");
  const rect = box.getBoundingClientRect();
  popup.style.left = rect.left + window.scrollX + "px";
  popup.style.top = rect.bottom + window.scrollY + "px";
  popup.style.width = Math.max(rect.width, 300) + "px";
  popup.hidden = false;
  const edit = document.getElementById("areaSearchEdit");
  edit.value = initial;
  edit.focus();
  showAreaMatches();
}

function closeAreaSearch() {
  document.getElementById("areaSearch").hidden = true;
}

function showAreaMatches() {
  const text = document.getElementById("areaSearchEdit").value;
  areaMatches = text ? JSON.parse(session.findAreas(text)) : [];
  areaCurrent = 0;
  const list = document.getElementById("areaMatches");
  list.replaceChildren(...areaMatches.map((m, i) => {
    const item = document.createElement("li");
    item.textContent = `${m.area}（${m.prefecture}）`;
    if (i === 0) item.className = "current";
    item.addEventListener("mousedown", (event) => { event.preventDefault(); chooseArea(i); });
    return item;
  }));
}

async function chooseArea(i) {
  const m = areaMatches[i];
  closeAreaSearch();
  if (!m) return;
  const result = JSON.parse(session.chooseArea(m.prefectureIndex, m.area));
  refresh();
  inputOf(widgets.get("areaBox")).focus();
  if (result.message) await message(result.message);
}

document.getElementById("areaSearchEdit").addEventListener("input", showAreaMatches);
document.getElementById("areaSearchEdit").addEventListener("blur", closeAreaSearch);
document.getElementById("areaSearchEdit").addEventListener("keydown", (event) => {
  const items = document.getElementById("areaMatches").children;
  if (event.key === "ArrowDown" || event.key === "ArrowUp") {
    event.preventDefault();
    if (!items.length) return;
    items[areaCurrent].className = "";
    areaCurrent = (areaCurrent + (event.key === "ArrowDown" ? 1 : items.length - 1)) % items.length;
    items[areaCurrent].className = "current";
    items[areaCurrent].scrollIntoView({ block: "nearest" });
  } else if (event.key === "Enter") {
    event.preventDefault();
    chooseArea(areaCurrent);
  } else if (event.key === "Escape") {
    event.preventDefault();
    closeAreaSearch();
    inputOf(widgets.get("areaBox")).focus();
  }
});

function bindAreaSearch() {
  const box = inputOf(widgets.get("areaBox"));
  box.title = "地域名・よみの一部を入力すると、全国の地域から探せます。";
  box.addEventListener("keydown", (event) => {
    if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
      event.preventDefault();
      openAreaSearch(event.key);
    }
  });
}

// ---- commands --------------------------------------------------------------

// Every command of the buttons and the menus, by its role name.
async function command(name) {
  closeMenus();
  switch (name) {
    case "calculateButton":
    case "calculateAction":
      return calculate();
    case "loadButton":
    case "loadAction":
      return chooseFile();
    case "saveButton":
    case "saveAsAction":
      return saveDesign(true);
    case "saveCurrentAction":
      return saveDesign(false);
    case "spanTableAction":
      return openSpanTable();
    case "settingsButton":
    case "settingsAction":
      return openCoefficients();
    case "overviewButton":
      return showOverview();
    case "takeSeaRatioButton":
      return change(name, "1");
    case "seaMapButton":
      return openFormSeaMap();
    case "siteDataButton":
      return openSiteData();
    case "exitButton":
    case "exitAction":
      return message("ブラウザのタブを閉じると終了します。");
  }
}

async function calculate() {
  const started = performance.now();
  // The report's snow page draws the reference's map: a coastline on its way
  // is waited for.
  if (coastline.loading) await coastline.loading;
  const result = JSON.parse(session.calculate());
  refresh();
  if (result.message) return showFormMessage(result);
  showReport(started);
}

function today() {
  const d = new Date();
  const two = (n) => String(n).padStart(2, "0");
  return `${d.getFullYear()}/${two(d.getMonth() + 1)}/${two(d.getDate())}`;
}

// The sheets of the last calculation; `started` is when 計算 was pressed, for
// the time the page reports.
function showReport(started = performance.now()) {
  const pages = session.reportPages(today());
  const container = document.getElementById("pages");
  container.replaceChildren(...pages.map((svg) => {
    const page = document.createElement("div");
    page.className = "page";
    page.innerHTML = svg;
    return page;
  }));
  window.korvexReportTime = performance.now() - started; // calculate and draw
  document.getElementById("mainWindow").hidden = true;
  document.getElementById("resultWindow").hidden = false;
  window.scrollTo(0, 0);
  document.body.dataset.report = String(pages.length);
}

function closeReport() {
  document.getElementById("resultWindow").hidden = true;
  document.getElementById("mainWindow").hidden = false;
  delete document.body.dataset.report;
}

// The question of the desktop before anything replaces the form: true when the
// caller may go on.
async function settleUnsavedEdits() {
  const state = JSON.parse(session.state());
  if (!state.unsaved) return true;
  const answer = await message(pageTables.saveChangesQuestion, ["はい", "いいえ", "キャンセル"]);
  if (answer === "はい") return saveDesign(false);
  return answer === "いいえ";
}

// ---- files --------------------------------------------------------------------

// Where the browser offers file handles (Chromium, Edge), データ読込 keeps the
// file's handle and 上書き保存 writes back to that same file; elsewhere a file
// is chosen with the file input and saved as a download.
const FILE_TYPES = [{ description: "Korvex for wood データ", accept: { "application/octet-stream": [".kvxw"] } }];

function isAbort(error) {
  return error && error.name === "AbortError";
}

function fileErrorText(name, error, writing) {
  const kept = writing ? "\n入力内容はそのまま残っています。" : "";
  switch (error && error.name) {
    case "NotFoundError":
      return `ファイル「${name}」が見つかりません。移動または削除された可能性があります。` +
        (writing ? "\n入力内容はそのまま残っています。「名前を付けて保存」で保存し直して下さい。" : "");
    case "NotAllowedError":
    case "SecurityError":
      return (writing ? `ファイル「${name}」に書き込む許可がありません。`
        : `ファイル「${name}」を開く許可がありません。`) + kept;
    case "QuotaExceededError":
      return `ファイル「${name}」に保存できませんでした。ディスクの空き容量が足りません。` + kept;
    case "NoModificationAllowedError":
      return `ファイル「${name}」は他のプログラムが使用中か、書き込みが禁止されています。` + kept;
    default:
      return (writing ? `ファイル「${name}」に保存できませんでした。`
        : `ファイル「${name}」を読み込めませんでした。`) +
        `（${(error && (error.message || error.name)) || error}）` + kept;
  }
}

// Asks the browser for the permission `mode` ("read", "readwrite") of a handle
// kept from before; true when it is given.
async function permitted(handle, mode) {
  if (!handle.queryPermission) return true;
  if ((await handle.queryPermission({ mode })) === "granted") return true;
  return (await handle.requestPermission({ mode })) === "granted";
}

async function chooseFile() {
  if (!(await settleUnsavedEdits())) return;
  if (window.showOpenFilePicker) {
    let handle;
    try {
      [handle] = await window.showOpenFilePicker({ types: FILE_TYPES, multiple: false });
    } catch (error) {
      if (!isAbort(error)) await message(fileErrorText("", error, false));
      return;
    }
    return openHandle(handle);
  }
  const chooser = document.getElementById("fileChooser");
  chooser.value = "";
  chooser.click();
}

// A file behind a handle: the picker's, a recent design's or one the system
// opened with the installed page.
async function openHandle(handle) {
  let file;
  try {
    if (!(await permitted(handle, "read"))) {
      const denied = new Error();
      denied.name = "NotAllowedError";
      throw denied;
    }
    file = await handle.getFile();
  } catch (error) {
    await message(fileErrorText(handle.name, error, false));
    return false;
  }
  return openFile(file, handle);
}

async function openFile(file, handle = null) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  const outcome = JSON.parse(await withCoastline(() => session.load(file.name, bytes)));
  if (outcome.applied) currentFile.handle = handle;
  refresh();
  for (const m of outcome.messages) await message(m);
  if (!outcome.applied) return false;
  await addRecentDesign(file.name, handle);
  announceOpenedFile(file.name, handle);
  return true;
}

// Writes through a handle; true when the file holds the bytes. A failure leaves
// the file as it was (the browser writes a copy and swaps it in on close). The
// design's own file (`existing`) must still be where it was: the browser would
// quietly make a new one where a moved or deleted file used to be.
async function writeToHandle(handle, bytes, existing) {
  try {
    if (!(await permitted(handle, "readwrite"))) {
      const denied = new Error();
      denied.name = "NotAllowedError";
      throw denied;
    }
    if (existing) await handle.getFile();
    const writable = await handle.createWritable();
    try {
      await writable.write(bytes);
      await writable.close();
    } catch (error) {
      try {
        await writable.abort();
      } catch (ignored) {
        // Already closed.
      }
      throw error;
    }
    return true;
  } catch (error) {
    await message(fileErrorText(handle.name, error, true));
    return false;
  }
}

function download(bytes, name, type = "application/octet-stream") {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], { type }));
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// 上書き保存 (`asNew` false) writes to the design's own file; データ保存 and
// 名前を付けて保存 (`asNew` true) ask for a place and name. True when saved.
async function saveDesign(asNew) {
  const state = JSON.parse(session.state());
  const bytes = session.projectBytes();
  if (typeof bytes === "string") {
    await message(bytes);
    return false;
  }
  let name;
  let handle = null;
  if (!asNew && currentFile.handle) {
    handle = currentFile.handle;
    if (!(await writeToHandle(handle, bytes, true))) return false;
    name = handle.name;
  } else if (window.showSaveFilePicker) {
    try {
      handle = await window.showSaveFilePicker({ suggestedName: state.saveName, types: FILE_TYPES });
    } catch (error) {
      if (!isAbort(error)) await message(fileErrorText(state.saveName, error, true));
      return false;
    }
    if (!(await writeToHandle(handle, bytes, false))) return false;
    name = handle.name;
  } else {
    name = !asNew && state.fileName ? state.fileName : prompt("保存するファイル名", state.saveName);
    if (!name) return false;
    if (!name.toLowerCase().endsWith(".kvxw")) name += ".kvxw";
    download(bytes, name);
  }
  session.saved(name);
  currentFile.handle = handle;
  discardCopy();
  refresh();
  await addRecentDesign(name, handle);
  return true;
}

// ---- the menus ----------------------------------------------------------------

// The menu bar of the desktop, from the same table: ファイル with データ読込,
// 最近使ったデータ, 上書き保存, 名前を付けて保存, 終了; 計算 with 計算, 許容スパン表, 設定.
// Their keys work in the whole page.
const menuKeys = new Map(); // "Ctrl+Shift+S" -> command name

function buildMenuBar() {
  const bar = document.getElementById("menuBar");
  bar.style.height = pageTables.menuBarHeight + "px";
  for (const menu of pageTables.menus) {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = menu.text;
    button.dataset.name = menu.name;
    button.addEventListener("click", (event) => {
      event.stopPropagation();
      const rect = button.getBoundingClientRect();
      openMenu(menu.entries, rect.left, rect.bottom, button);
    });
    bar.append(button);
    for (const entry of menu.entries) if (entry.keys) menuKeys.set(entry.keys, entry.name);
  }
  document.addEventListener("click", closeMenus);
}

function recentMenuEntries() {
  const entries = recent.list.map((entry, i) => ({
    kind: "design",
    text: korvex.recentEntryText(i + 1, entry.name),
    entry,
    disabled: !entry.handle || entry.missing,
  }));
  if (!entries.length) entries.push({ kind: "none", text: pageTables.recent.none, disabled: true });
  entries.push({ kind: "separator" });
  entries.push({
    kind: "removeMissing",
    name: "removeMissingAction",
    text: pageTables.recent.removeMissing,
    disabled: !recent.list.some((e) => !e.handle || e.missing),
  });
  return entries;
}

function closeMenus() {
  for (const menu of document.querySelectorAll(".menu")) menu.remove();
}

function openMenu(entries, left, top, owner, nested = false) {
  if (!nested) closeMenus();
  const menu = document.createElement("div");
  menu.className = "menu";
  menu.style.left = left + window.scrollX + "px";
  menu.style.top = top + window.scrollY + "px";
  for (const entry of entries) {
    if (entry.kind === "separator") {
      menu.append(document.createElement("hr"));
      continue;
    }
    const item = document.createElement("button");
    item.type = "button";
    item.className = "menuEntry";
    if (entry.name) item.dataset.name = entry.name;
    const text = document.createElement("span");
    text.textContent = entry.text;
    const keys = document.createElement("span");
    keys.className = "keys";
    keys.textContent = entry.kind === "recent" ? "▶" : entry.keys || "";
    item.append(text, keys);
    item.disabled = !!entry.disabled;
    if (entry.kind === "design" && entry.disabled) item.title = pageTables.recent.missing;
    item.addEventListener("click", (event) => {
      event.stopPropagation();
      if (entry.kind === "recent") {
        const rect = item.getBoundingClientRect();
        for (const sub of document.querySelectorAll(".menu.sub")) sub.remove();
        openMenu(recentMenuEntries(), rect.right, rect.top, item, true).classList.add("sub");
        return;
      }
      closeMenus();
      if (entry.kind === "design") openRecentDesign(entry.entry);
      else if (entry.kind === "removeMissing") forgetMissingDesigns();
      else command(entry.name);
    });
    menu.append(item);
  }
  menu.addEventListener("keydown", (event) => {
    const items = [...menu.querySelectorAll(".menuEntry:not(:disabled)")];
    const at = items.indexOf(document.activeElement);
    if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      event.preventDefault();
      const step = event.key === "ArrowDown" ? 1 : items.length - 1;
      items[(at + step) % items.length]?.focus();
    } else if (event.key === "Escape") {
      event.preventDefault();
      closeMenus();
      owner.focus();
    }
  });
  document.body.append(menu);
  menu.querySelector(".menuEntry:not(:disabled)")?.focus();
  return menu;
}

// A recent design: opened again through its handle, after the browser's
// question about the permission. A file that has gone is greyed from then on.
async function openRecentDesign(entry) {
  if (!(await settleUnsavedEdits())) return;
  try {
    if (!(await permitted(entry.handle, "readwrite"))) {
      await message(fileErrorText(entry.name, { name: "NotAllowedError" }, false));
      return;
    }
    const file = await entry.handle.getFile();
    await openFile(file, entry.handle);
  } catch (error) {
    if (error && error.name === "NotFoundError") await markMissing(entry);
    await message(fileErrorText(entry.name, error, false));
  }
}

// The keys of the menu table, as "Ctrl+Shift+S" or "F9".
function keysOf(event) {
  const parts = [];
  if (event.ctrlKey || event.metaKey) parts.push("Ctrl");
  if (event.shiftKey) parts.push("Shift");
  if (event.altKey) parts.push("Alt");
  parts.push(event.key.length === 1 ? event.key.toUpperCase() : event.key);
  return parts.join("+");
}

// A design the system opened with the installed page (a double-click on a
// .kvxw file), through the manifest's file handler.
function takeLaunchedFiles() {
  if (!("launchQueue" in window)) return;
  window.launchQueue.setConsumer(async (launch) => {
    if (!launch.files || !launch.files.length) return;
    if (await settleUnsavedEdits()) openHandle(launch.files[0]);
  });
}

// The calculation's wait, drawn before the work starts.
function showBusy() {
  document.getElementById("busyPopup").hidden = false;
  return new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
}

function hideBusy() {
  document.getElementById("busyPopup").hidden = true;
}

async function showOverview() {
  const text = document.getElementById("overviewText");
  if (!text.childElementCount) {
    const document_ = JSON.parse(session.overview());
    if (document_.message) return message(document_.message);
    for (const paragraph of document_.paragraphs) {
      const p = document.createElement("p");
      p.style.textAlign = paragraph.align;
      for (const run of paragraph.runs) {
        const span = document.createElement("span");
        span.textContent = run.text;
        if (run.bold) span.style.fontWeight = "bold";
        if (run.italic) span.style.fontStyle = "italic";
        if (run.underline) span.style.textDecoration = "underline";
        span.style.fontSize = run.points + "pt";
        span.style.color = run.colour;
        p.appendChild(span);
      }
      text.appendChild(p);
    }
  }
  document.getElementById("overviewDialog").showModal();
}

// A message box of the page: resolves with the button pressed.
function message(text, buttons = ["OK"]) {
  const dialog = document.getElementById("messageBox");
  document.getElementById("messageText").textContent = text;
  const row = document.getElementById("messageButtons");
  return new Promise((resolve) => {
    row.replaceChildren(...buttons.map((label) => {
      const b = document.createElement("button");
      b.textContent = label;
      b.addEventListener("click", () => {
        dialog.close();
        resolve(label);
      });
      return b;
    }));
    dialog.showModal();
    row.firstChild.focus();
  });
}

// The user's own site files as the core reads them now: {file name: bytes}.
function userSiteFiles() {
  const files = {};
  for (const name of USER_SITE_FILES) {
    const path = "/user/Load_data/" + name;
    if (korvex.FS.analyzePath(path).exists) files[name] = korvex.FS.readFile(path);
  }
  return files;
}

// The user's own site files go back into the browser's storage after every save.
function keepUserSiteFiles() {
  for (const [name, bytes] of Object.entries(userSiteFiles())) {
    try {
      localStorage.setItem(STORAGE_PREFIX + name, base64(bytes));
    } catch (error) {
      tellStorageFailure("ユーザーの地域データをブラウザに記録できませんでした。");
    }
  }
}

// ---- wiring ----------------------------------------------------------------

document.getElementById("fileChooser").addEventListener("change", (event) => {
  const file = event.target.files[0];
  if (file) openFile(file);
});
document.getElementById("printSettingsButton").addEventListener("click", openPrintSettings);
document.getElementById("printButton").addEventListener("click", () => window.print());
document.getElementById("closeResultButton").addEventListener("click", closeReport);
document.getElementById("overviewCloseButton").addEventListener("click", () =>
  document.getElementById("overviewDialog").close());

document.addEventListener("keydown", (event) => {
  // The span table is no modal dialog: the form's keys work while it is open.
  if (!session || document.querySelector("dialog:modal")) return;
  const inReport = !document.getElementById("resultWindow").hidden;
  const ctrl = event.ctrlKey || event.metaKey;
  if (inReport) {
    if (event.key === "Escape") { event.preventDefault(); closeReport(); }
    if (ctrl && event.key.toLowerCase() === "p") { event.preventDefault(); window.print(); }
    return;
  }
  if (event.key === "Escape" && document.querySelector(".menu")) return closeMenus();
  const name = menuKeys.get(keysOf(event));
  if (name) {
    event.preventDefault();
    command(name);
  }
});

// A design dropped onto the page opens as データ読込 would open it; the browser
// gives its handle where it can.
document.addEventListener("dragover", (event) => event.preventDefault());
document.addEventListener("drop", async (event) => {
  event.preventDefault();
  const item = event.dataTransfer.items && event.dataTransfer.items[0];
  const handle = item && item.getAsFileSystemHandle ? item.getAsFileSystemHandle() : null;
  const file = event.dataTransfer.files[0];
  if (!file || !session || !(await settleUnsavedEdits())) return;
  const fileHandle = handle ? await handle.catch(() => null) : null;
  openFile(file, fileHandle && fileHandle.kind === "file" ? fileHandle : null);
});

window.addEventListener("beforeunload", (event) => {
  if (session && JSON.parse(session.state()).unsaved) event.preventDefault();
});

// Served over HTTP(S), the page installs as an app and works offline: the
// manifest names it and its file type, the service worker keeps every file of
// the bundle. Opened from a local file it needs neither.
if (location.protocol === "http:" || location.protocol === "https:") {
  const manifest = document.createElement("link");
  manifest.rel = "manifest";
  manifest.href = "manifest.webmanifest";
  document.head.append(manifest);
  if ("serviceWorker" in navigator) {
    navigator.serviceWorker.register("service_worker.js").catch(() => {
      // Without it the page works online as before.
    });
  }
}

start().catch((error) => {
  document.getElementById("loading").textContent = "起動できませんでした: " + error;
  throw error;
});
