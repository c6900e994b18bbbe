// The browser edition's page. Everything the form does is asked of the core
// (korvex_web.wasm): this script only shows the form as the core describes it,
// hands it what the user does, and shows the report pages the core draws.
"use strict";

const params = new URLSearchParams(location.search);
const measureContext = document.createElement("canvas").getContext("2d");

// The report's texts are measured in the fonts the page shows them in.
window.korvexMeasureText = (family, pixels, bold, text) => {
  measureContext.font = `${bold ? "bold " : ""}${pixels}px "${family}"`;
  const m = measureContext.measureText(text);
  return [m.width, m.fontBoundingBoxAscent, m.fontBoundingBoxDescent];
};

const USER_SITE_FILES = ["Data_Address.csv", "Data_SnowfallV.csv"];
const STORAGE_PREFIX = "korvex.Load_data/";

let korvex = null;   // the module
let session = null;  // its WebSession
const widgets = new Map(); // control name -> element

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
    const stored = localStorage.getItem(STORAGE_PREFIX + name);
    if (stored !== null) {
      const bytes = Uint8Array.from(atob(stored), (c) => c.charCodeAt(0));
      korvex.FS.writeFile("/user/Load_data/" + name, bytes);
    }
  }
}

async function start() {
  const [module] = await Promise.all([createKorvex(), loadFonts()]);
  korvex = module;
  writeUserSiteFiles();
  if (params.get("json") === "1" && params.get("file")) return showProjectJson(params.get("file"));

  session = new korvex.WebSession();
  const error = session.start();
  document.getElementById("loading").hidden = true;
  if (error) return message(error);
  buildForm(JSON.parse(session.layout()));
  bindAreaSearch();
  document.getElementById("mainWindow").hidden = false;
  refresh();
  for (const notice of JSON.parse(session.userNotices())) await message(notice);
  // The terms are shown once, on the first visit, as the desktop shows them on
  // its first start.
  if (!localStorage.getItem("korvex.usageNoticeShown")) {
    localStorage.setItem("korvex.usageNoticeShown", "1");
    if (!navigator.webdriver) showUsageNotice();
  }
  document.body.dataset.ready = "1";
  window.korvexReadyTime = performance.now();
}

// `?file=NAME.kvxw&json=1`: the file's results exactly as `korvex --json` prints them.
async function showProjectJson(name) {
  const response = await fetch(name);
  const bytes = new Uint8Array(await response.arrayBuffer());
  const pre = document.getElementById("json");
  pre.textContent = korvex.projectJson(name.split("/").pop(), bytes);
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
  const parents = new Map([["", form]]);
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
        refresh();
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

function refresh() {
  const state = JSON.parse(session.state());
  document.title = state.caption;
  document.getElementById("caption").textContent = state.caption;
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
        element.textContent = c.caption;
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
  if (active && document.activeElement !== inputOf(active) && document.activeElement === document.body)
    inputOf(active).focus({ preventScroll: true });
  return state;
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

async function command(name) {
  switch (name) {
    case "calculateButton":
      return calculate();
    case "loadButton":
      return chooseFile();
    case "saveButton":
      return saveDesign(false);
    case "settingsButton":
      return openCoefficients();
    case "overviewButton":
      return showOverview();
    case "siteDataButton":
      return openSiteData();
    case "exitButton":
      return message("ブラウザのタブを閉じると終了します。");
  }
}

async function calculate() {
  const started = performance.now();
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
  const answer = await message("変更を保存しますか？", ["はい", "いいえ", "キャンセル"]);
  if (answer === "はい") return saveDesign(false);
  return answer === "いいえ";
}

async function chooseFile() {
  if (!(await settleUnsavedEdits())) return;
  const chooser = document.getElementById("fileChooser");
  chooser.value = "";
  chooser.click();
}

async function openFile(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  const outcome = JSON.parse(session.load(file.name, bytes));
  refresh();
  for (const m of outcome.messages) await message(m);
}

// Under the project's own file name (the core's), or a name the user gives.
async function saveDesign(askName) {
  const fileName = JSON.parse(session.state()).fileName;
  let name = fileName;
  if (!name || askName) {
    name = prompt("保存するファイル名", fileName || "Data.kvxw");
    if (!name) return false;
    if (!name.toLowerCase().endsWith(".kvxw")) name += ".kvxw";
  }
  const saved = session.save(name);
  if (typeof saved === "string") {
    await message(saved);
    return false;
  }
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([saved], { type: "application/octet-stream" }));
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  refresh();
  return true;
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

async function showUsageNotice() {
  const dialog = document.getElementById("usageNotice");
  const text = document.getElementById("usageText");
  if (!text.textContent) text.textContent = session.usageNotice();
  dialog.showModal();
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

// ---- the coefficient dialog --------------------------------------------------

const RATIO_ROWS = [["長　期", 0, 3], ["短期 (積雪時)", 3, 4], ["短期 (暴風時)", 7, 4]];
const LETTERS = ["Ｇ", "Ｐ", "Ｓ", "Ｗ"];
const AREA_TITLES = [" 一般の場合 ", " 多 雪 区 域 "];

function buildRatioAreas() {
  const areas = document.getElementById("ratioAreas");
  if (areas.childElementCount) return;
  AREA_TITLES.forEach((title, area) => {
    const box = document.createElement("fieldset");
    box.className = "ratioArea";
    box.innerHTML = `<legend>${title}</legend>`;
    for (const [label, first, count] of RATIO_ROWS) {
      const row = document.createElement("div");
      row.className = "ratioRow";
      row.innerHTML = `<span class="rowLabel">${label}</span>`;
      for (let k = 0; k < count; ++k) {
        const index = area * 11 + first + k;
        const edit = document.createElement("input");
        edit.dataset.index = index;
        edit.maxLength = 8;
        edit.title = "Ｐは変更不可、ＧとＰは同値に設定しています。";
        edit.addEventListener("beforeinput", (event) => {
          if (event.data && [...event.data].some((ch) => !session.acceptsRatioKey(ch.codePointAt(0))))
            event.preventDefault();
        });
        edit.addEventListener("input", () =>
          showCoefficients(JSON.parse(session.editCoefficients("ratio", `${index}:${edit.value}`))));
        const letter = document.createElement("span");
        letter.textContent = LETTERS[k] + (k + 1 < count ? " ＋" : "");
        row.append(edit, letter);
      }
      box.appendChild(row);
    }
    areas.appendChild(box);
  });
}

function showCoefficients(state) {
  const edits = document.querySelectorAll("#ratioAreas input");
  state.ratios.forEach((ratio, i) => {
    edits[i].name = ratio.name;
    edits[i].dataset.name = ratio.name;
    edits[i].readOnly = ratio.readOnly;
    edits[i].tabIndex = ratio.readOnly ? -1 : 0;
    if (edits[i].value !== ratio.text) edits[i].value = ratio.text;
  });
  document.querySelector('[data-name="strength205Radio"]').checked = state.strength205;
  document.querySelector('[data-name="strength235Radio"]').checked = !state.strength205;
  document.querySelector('[data-name="derivedLoadsRadio"]').checked = state.derivedLoads;
  document.querySelector('[data-name="directLoadsRadio"]').checked = !state.derivedLoads;
  const spin = document.getElementById("maxDeckLengthSpin");
  spin.min = state.maxDeckLengthMin;
  spin.max = state.maxDeckLengthMax;
  spin.step = state.maxDeckLengthStep;
  if (spin.value !== String(state.maxDeckLength)) spin.value = state.maxDeckLength;
}

function openCoefficients() {
  buildRatioAreas();
  showCoefficients(JSON.parse(session.openCoefficients()));
  document.getElementById("coefficientDialog").showModal();
}

async function setCoefficients() {
  const result = JSON.parse(session.setCoefficients());
  if (result.message) {
    await message(result.message);
    const edit = document.querySelector(`#ratioAreas input[data-index="${result.index}"]`);
    if (edit) { edit.focus(); edit.select(); }
    return;
  }
  document.getElementById("coefficientDialog").close();
  refresh();
}

for (const radio of document.querySelectorAll('#coefficientDialog input[type="radio"]')) {
  radio.addEventListener("change", () =>
    showCoefficients(JSON.parse(session.editCoefficients(radio.name, radio.value))));
}
document.getElementById("maxDeckLengthSpin").addEventListener("change", (event) =>
  showCoefficients(JSON.parse(session.editCoefficients("maxDeckLength", event.target.value))));
document.getElementById("coefficientSetButton").addEventListener("click", setCoefficients);
document.getElementById("coefficientCancelButton").addEventListener("click", () => {
  session.cancelCoefficients();
  document.getElementById("coefficientDialog").close();
});
document.getElementById("coefficientResetButton").addEventListener("click", () =>
  showCoefficients(JSON.parse(session.resetCoefficients())));
document.getElementById("coefficientDialog").addEventListener("cancel", () => session.cancelCoefficients());

// ---- 地域データ -----------------------------------------------------------------

const SITE_COLUMNS = [["都道府県", "prefecture"], ["地域", "area"], ["よみ", "reading"],
  ["V0 (m/s)", "baseWindSpeed", true], ["積雪区域", "snowZone", true], ["α", "alpha", true],
  ["β", "beta", true], ["γ", "gamma", true], ["R (km)", "radius", true],
  ["標高 (m)", "altitude", true], ["垂直積雪量 (cm)", "snowDepth", true],
  ["細則", "ruleFlag", true], ["由来"], ["出典", "sourceNote"]];
let siteRows = [];

// The user's own files go back into the browser's storage after every save.
function keepUserSiteFiles() {
  for (const name of USER_SITE_FILES) {
    const path = "/user/Load_data/" + name;
    if (!korvex.FS.analyzePath(path).exists) continue;
    const bytes = korvex.FS.readFile(path);
    let binary = "";
    for (let i = 0; i < bytes.length; i += 0x8000)
      binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    localStorage.setItem(STORAGE_PREFIX + name, btoa(binary));
  }
}

function fillSiteTable(selected) {
  siteRows = JSON.parse(session.siteRows());
  const table = document.getElementById("siteTableView");
  table.tHead.innerHTML = "<tr>" + SITE_COLUMNS.map(([t]) => `<th>${t}</th>`).join("") + "</tr>";
  const body = document.createElement("tbody");
  siteRows.forEach((row, r) => {
    const tr = document.createElement("tr");
    row.forEach((value, c) => {
      const td = document.createElement("td");
      td.textContent = value;
      if (SITE_COLUMNS[c][2]) td.className = "number";
      tr.appendChild(td);
    });
    tr.addEventListener("click", () => selectSiteRow(r));
    body.appendChild(tr);
  });
  table.replaceChild(body, table.tBodies[0]);
  const prefectures = document.querySelector('#siteEditor [data-field="prefecture"]');
  const names = [...new Set(siteRows.map((row) => row[0]))];
  prefectures.replaceChildren(...names.map((name) => new Option(name)));
  filterSiteTable();
  if (selected !== undefined) selectSiteRow(selected);
}

function filterSiteTable() {
  const shown = JSON.parse(session.siteRowMatches(document.getElementById("siteFilterEdit").value));
  const rows = document.getElementById("siteTableView").tBodies[0].rows;
  shown.forEach((visible, r) => { rows[r].hidden = !visible; });
}

function editSiteRow(values) {
  for (const input of document.querySelectorAll("#siteEditor [data-field]"))
    input.value = values[input.dataset.field] ?? "";
}

function selectSiteRow(r) {
  const rows = document.getElementById("siteTableView").tBodies[0].rows;
  for (const tr of rows) tr.classList.remove("selected");
  rows[r].classList.add("selected");
  rows[r].scrollIntoView({ block: "nearest" });
  const values = {};
  SITE_COLUMNS.forEach(([, field], c) => { if (field) values[field] = siteRows[r][c]; });
  editSiteRow(values);
}

function openSiteData() {
  fillSiteTable();
  document.getElementById("siteStatusLabel").textContent = "";
  document.getElementById("siteDataDialog").showModal();
}

async function saveSiteRow() {
  const fields = {};
  for (const input of document.querySelectorAll("#siteEditor [data-field]"))
    fields[input.dataset.field] = input.value;
  const result = JSON.parse(session.saveSiteRow(fields));
  if (result.message) {
    await message(result.message);
    const field = document.querySelector(`#siteEditor [data-name="${result.focus}"]`);
    if (field) field.focus();
    return;
  }
  keepUserSiteFiles();
  fillSiteTable();
  const r = siteRows.findIndex((row) => row[0] === fields.prefecture && row[1] === fields.area);
  if (r >= 0) selectSiteRow(r);
  document.getElementById("siteStatusLabel").textContent = result.status;
  refresh();
}

document.getElementById("siteFilterEdit").addEventListener("input", filterSiteTable);
document.getElementById("newUserRowButton").addEventListener("click", () => {
  const prefecture = document.querySelector('#siteEditor [data-field="prefecture"]').value;
  editSiteRow({ prefecture });
  for (const tr of document.getElementById("siteTableView").tBodies[0].rows)
    tr.classList.remove("selected");
  document.getElementById("siteStatusLabel").textContent =
    "新しい地域の値を入力し、「ユーザーデータとして保存」を押して下さい。";
  document.querySelector('#siteEditor [data-field="area"]').focus();
});
document.getElementById("saveUserRowButton").addEventListener("click", saveSiteRow);
document.getElementById("siteCloseButton").addEventListener("click", () =>
  document.getElementById("siteDataDialog").close());

// ---- the print settings ------------------------------------------------------

const POSITIONS = ["無し", "上-左", "上-中", "上-右", "下-左", "下-中", "下-右"];

function showPrintSettings(state) {
  const radios = document.getElementById("positionRadios");
  if (!radios.childElementCount) {
    POSITIONS.forEach((caption, i) => {
      const label = document.createElement("label");
      label.title = i === 0 ? "ページ番号の記述無し" : "ページ番号位置";
      label.innerHTML = `<input type="radio" name="position" value="${i}"> ${caption}`;
      label.querySelector("input").addEventListener("change", () =>
        showPrintSettings(JSON.parse(session.editPrintSettings("position", String(i)))));
      radios.appendChild(label);
      if (i === 0 || i === 3) radios.appendChild(document.createElement("br"));
    });
  }
  const subject = document.getElementById("subjectEdit");
  if (subject.value !== state.subject) subject.value = state.subject;
  radios.querySelectorAll("input")[state.position].checked = true;
  document.getElementById("contentGroup").disabled = !state.contentEnabled;
  document.getElementById("numberFormatBox").selectedIndex = state.numberFormat;
  document.getElementById("startNumberSpin").value = state.startNumber;
}

function openPrintSettings() {
  showPrintSettings(JSON.parse(session.openPrintSettings()));
  document.getElementById("printSettingsDialog").showModal();
}

const subjectEdit = document.getElementById("subjectEdit");
subjectEdit.addEventListener("mousedown", () =>
  showPrintSettings(JSON.parse(session.editPrintSettings("subjectClick", ""))));
subjectEdit.addEventListener("input", () => session.editPrintSettings("subject", subjectEdit.value));
document.getElementById("numberFormatBox").addEventListener("change", (event) =>
  session.editPrintSettings("numberFormat", String(event.target.selectedIndex)));
document.getElementById("startNumberSpin").addEventListener("input", (event) =>
  session.editPrintSettings("startNumber", event.target.value));
document.getElementById("printSetButton").addEventListener("click", () => {
  session.confirmPrintSettings();
  document.getElementById("printSettingsDialog").close();
  showReport(); // the sheets carry the new subject and page numbers
});
document.getElementById("printCancelButton").addEventListener("click", () => {
  session.cancelPrintSettings();
  document.getElementById("printSettingsDialog").close();
});
document.getElementById("printSettingsDialog").addEventListener("cancel", () => session.cancelPrintSettings());
document.getElementById("printSettingsButton").addEventListener("click", openPrintSettings);

// ---- wiring ----------------------------------------------------------------

document.getElementById("fileChooser").addEventListener("change", (event) => {
  const file = event.target.files[0];
  if (file) openFile(file);
});
document.getElementById("printButton").addEventListener("click", () => window.print());
document.getElementById("closeResultButton").addEventListener("click", closeReport);
document.getElementById("overviewCloseButton").addEventListener("click", () =>
  document.getElementById("overviewDialog").close());
document.getElementById("usageCloseButton").addEventListener("click", () =>
  document.getElementById("usageNotice").close());

document.addEventListener("keydown", (event) => {
  if (!session) return;
  const inReport = !document.getElementById("resultWindow").hidden;
  const ctrl = event.ctrlKey || event.metaKey;
  if (inReport) {
    if (event.key === "Escape") { event.preventDefault(); closeReport(); }
    if (ctrl && event.key.toLowerCase() === "p") { event.preventDefault(); window.print(); }
    return;
  }
  if (event.key === "F9") { event.preventDefault(); calculate(); }
  else if (ctrl && event.key.toLowerCase() === "s") { event.preventDefault(); saveDesign(event.shiftKey); }
  else if (ctrl && event.key.toLowerCase() === "o") { event.preventDefault(); chooseFile(); }
});

// A design dropped onto the page opens as データ読込 would open it.
document.addEventListener("dragover", (event) => event.preventDefault());
document.addEventListener("drop", async (event) => {
  event.preventDefault();
  const file = event.dataTransfer.files[0];
  if (file && session && (await settleUnsavedEdits())) openFile(file);
});

window.addEventListener("beforeunload", (event) => {
  if (session && JSON.parse(session.state()).unsaved) event.preventDefault();
});

start().catch((error) => {
  document.getElementById("loading").textContent = "起動できませんでした: " + error;
  throw error;
});
