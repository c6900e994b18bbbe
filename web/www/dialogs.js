// The page's dialogs: 設定, 印刷の設定, 地域データ, 許容スパン表 and ご利用について.
// Each is built from the core's table of that dialog (the one the desktop's
// windows are built from): its caption, groups, labels, controls, hints and
// order. What a control does is asked of the core, as in the main window.
"use strict";

// ---- building a dialog from its table ------------------------------------------

function itemInput(element) {
  return element.matches("label.radio") ? element.querySelector("input") : element;
}

function makeControl(item) {
  let element;
  switch (item.kind) {
    case "edit":
      element = document.createElement("input");
      element.type = "text";
      if (item.maxLength) element.maxLength = item.maxLength;
      if (item.readOnly) {
        element.readOnly = true;
        element.tabIndex = -1;
      }
      break;
    case "spin":
      element = document.createElement("input");
      element.type = "number";
      element.min = item.min;
      element.max = item.max;
      element.step = item.step;
      break;
    case "combo":
      element = document.createElement("select");
      for (const text of item.items) element.append(new Option(text));
      break;
    case "radio": {
      element = document.createElement("label");
      element.className = "radio";
      const input = document.createElement("input");
      input.type = "radio";
      input.name = item.parent;
      input.dataset.name = item.name;
      const caption = document.createElement("span");
      caption.textContent = item.text;
      element.append(input, caption);
      element.dataset.colour = item.colour;
      break;
    }
    case "button":
      element = document.createElement("button");
      element.type = "button";
      element.textContent = item.text;
      break;
    default:
      return null;
  }
  if (item.hint) element.title = item.hint;
  element.dataset.name = item.name;
  element.classList.add("control");
  return element;
}

function makeItem(item) {
  let element;
  switch (item.kind) {
    case "group":
      element = document.createElement("div");
      element.className = "group";
      element.innerHTML = '<span class="legend"></span>';
      element.firstChild.textContent = item.text;
      break;
    case "row":
      element = document.createElement("div");
      element.className = "ratioRow";
      element.innerHTML = '<span class="rowLabel"></span>';
      element.firstChild.textContent = item.text;
      break;
    case "band":
      element = document.createElement("div");
      element.className = "band";
      if (item.text) element.textContent = item.text;
      break;
    case "label":
      element = document.createElement("div");
      element.className = "label";
      element.textContent = item.text;
      break;
    case "text":
      element = document.createElement("div");
      element.className = "textBox";
      element.textContent = item.text;
      break;
    case "table": {
      element = document.createElement("div");
      element.className = "tableBox";
      element.innerHTML = "<table><thead><tr></tr></thead><tbody></tbody></table>";
      break;
    }
    case "picture":
      element = document.createElement("div");
      element.className = "picture";
      break;
    case "column":
      element = document.createElement("th");
      element.textContent = item.text;
      element.style.textAlign = item.align;
      break;
    default:
      return makeControl(item);
  }
  if (item.name) element.dataset.name = item.name;
  return element;
}

function placeAt(element, rect) {
  const [left, top, width, height] = rect;
  element.style.position = "absolute";
  element.style.left = left + "px";
  element.style.top = top + "px";
  if (width) element.style.width = width + "px";
  if (height) element.style.height = height + "px";
}

// A <dialog> with a caption bar and the table's items: placed at their pixel
// positions where the table gives them, else in the table's order.
function buildDialog(layout) {
  const dialog = document.createElement("dialog");
  dialog.className = "korvexDialog";
  dialog.id = layout.name;
  dialog.style.fontSize = layout.fontPixels + "px";
  dialog.style.setProperty("--dialog-background", layout.background);
  const caption = document.createElement("div");
  caption.className = "dialogCaption";
  caption.textContent = layout.title;
  const body = document.createElement("div");
  body.className = "dialogBody";
  const placed = layout.items.some((item) => item.rect);
  if (placed) {
    body.classList.add("placed");
    body.style.width = layout.width + "px";
    body.style.height = layout.height + "px";
  } else if (layout.width) {
    body.style.width = layout.width + "px";
  }
  dialog.append(caption, body);

  const parents = new Map([["", body]]);
  const inset = pageTables.framedCellInset;
  let buttons = null;
  for (const item of layout.items) {
    if (item.kind === "message") continue;
    let parent = parents.get(item.parent) || body;
    const element = makeItem(item);
    if (!element) continue;
    if (["group", "row", "band"].includes(item.kind)) parents.set(item.name, element);
    if (item.kind === "table") parents.set(item.name, element.querySelector("thead tr"));

    if (placed && item.rect) {
      if (item.framed) {
        const frame = document.createElement("div");
        frame.className = "frame";
        placeAt(frame, item.rect);
        placeAt(element, [inset[0], inset[1], 0, 0]);
        frame.append(element);
        parent.append(frame);
      } else {
        placeAt(element, item.rect);
        parent.append(element);
      }
      continue;
    }
    if (item.kind === "button" && !item.parent) {
      if (!buttons) {
        buttons = document.createElement("div");
        buttons.className = "buttons";
        body.append(buttons);
      }
      parent = buttons;
    }
    if (item.cell && item.text) {
      // A field of a grid: its label in its cell, the control beside it.
      parent.classList.add("fieldGrid");
      const label = document.createElement("span");
      label.className = "fieldLabel";
      label.textContent = item.text;
      label.style.gridRow = element.style.gridRow = String(item.cell[0] + 1);
      label.style.gridColumn = String(item.cell[1] + 1);
      element.style.gridColumn = `${item.cell[1] + 2} / span ${item.cell[2]}`;
      parent.append(label, element);
      continue;
    }
    if (item.text && ["edit", "spin", "combo"].includes(item.kind)) {
      const field = document.createElement("label");
      field.className = "field";
      field.append(item.text, element);
      parent.append(field);
    } else {
      parent.append(element);
    }
    if (item.after) {
      const after = document.createElement("span");
      after.className = "after";
      after.textContent = item.after;
      parent.append(after);
    }
    if (item.kind === "label" && item.align === "right") element.style.textAlign = "right";
    if (item.bold) (element.querySelector(".legend") || element).style.fontWeight = "bold";
    if (item.fontPixels) element.style.fontSize = item.fontPixels + "px";
  }
  for (const item of layout.items) {
    if (!placed || !item.rect || !item.name) continue;
    const element = dialog.querySelector(`[data-name="${item.name}"]`);
    // A group's title is bold, not what it holds.
    if (item.bold) (element.querySelector(".legend") || element).style.fontWeight = "bold";
    if (item.colour !== "#000000") element.style.color = item.colour;
    if (item.fill) element.style.background = item.fill;
  }
  document.body.append(dialog);
  return dialog;
}

const dialogs = {}; // the built dialogs by their table's name

function dialogNamed(name) {
  if (!dialogs[name]) dialogs[name] = buildDialog(pageTables.dialogs[name]);
  return dialogs[name];
}

function tableItem(dialogName, name) {
  return pageTables.dialogs[dialogName].items.find((item) => item.name === name) || {};
}

function control(dialog, name) {
  const element = dialog.querySelector(`[data-name="${name}"]`);
  return element ? itemInput(element) : null;
}

function onButton(dialog, name, handler) {
  control(dialog, name).addEventListener("click", handler);
}

// Shows the core's state of a dialog: a text, a number, whether a radio is
// chosen or a group enabled.
function showControls(dialog, values) {
  for (const [name, value] of Object.entries(values)) {
    const element = dialog.querySelector(`[data-name="${name}"]`);
    if (!element) continue;
    if (element.classList.contains("group")) {
      element.classList.toggle("disabled", !value);
      for (const input of element.querySelectorAll("input, select")) input.disabled = !value;
      continue;
    }
    const input = itemInput(element);
    if (input.type === "radio") input.checked = value;
    else if (input.tagName === "SELECT") input.selectedIndex = value;
    else if (input.value !== String(value)) input.value = value;
  }
  // The chosen radio of each group is drawn as the desktop draws it.
  for (const label of dialog.querySelectorAll("label.radio")) {
    const checked = label.querySelector("input").checked;
    const chosen = dialog.id === "PrintSettingsWindow"
      ? pageTables.colours.chosenPosition : pageTables.colours.chosenRadio;
    label.style.color = checked ? chosen : label.dataset.colour;
    if (dialog.id !== "PrintSettingsWindow") label.style.fontWeight = checked ? "bold" : "";
  }
}

// Typing into a box the core filters: a refused key never lands.
function filterKeys(input, accepts) {
  input.addEventListener("beforeinput", (event) => {
    if (event.data && [...event.data].some((ch) => !accepts(ch.codePointAt(0))))
      event.preventDefault();
  });
}

// ---- 設定 (係数等の定義) -----------------------------------------------------------

function coefficientDialog() {
  const first = !dialogs.CoefficientWindow;
  const dialog = dialogNamed("CoefficientWindow");
  if (!first) return dialog;
  const show = (json) => showControls(dialog, JSON.parse(json));
  for (const element of dialog.querySelectorAll(".control")) {
    const input = itemInput(element);
    const name = element.dataset.name;
    if (input.type === "text" && !input.readOnly) {
      filterKeys(input, (key) => session.acceptsRatioKey(key));
      input.addEventListener("input", () => show(session.editCoefficients(name, input.value)));
    } else if (input.type === "radio") {
      input.addEventListener("change", () => show(session.editCoefficients(name, "1")));
    } else if (input.type === "number") {
      input.addEventListener("change", () => show(session.editCoefficients(name, input.value)));
    }
  }
  onButton(dialog, "setButton", async () => {
    const result = JSON.parse(session.setCoefficients());
    if (result.message) {
      await message(result.message);
      const edit = control(dialog, result.focus);
      if (edit) {
        edit.focus();
        edit.select();
      }
      return;
    }
    dialog.close();
    refresh();
  });
  onButton(dialog, "cancelButton", () => {
    session.cancelCoefficients();
    dialog.close();
  });
  onButton(dialog, "resetButton", () => show(session.resetCoefficients()));
  dialog.addEventListener("cancel", () => session.cancelCoefficients());
  return dialog;
}

function openCoefficients() {
  const dialog = coefficientDialog();
  showControls(dialog, JSON.parse(session.openCoefficients()));
  dialog.showModal();
}

// ---- 印刷の設定 --------------------------------------------------------------------

function printSettingsDialog() {
  const first = !dialogs.PrintSettingsWindow;
  const dialog = dialogNamed("PrintSettingsWindow");
  if (!first) return dialog;
  const edit = (name, value) => showControls(dialog, JSON.parse(session.editPrintSettings(name, value)));
  const subject = control(dialog, "subjectEdit");
  subject.addEventListener("mousedown", () => edit("subjectClick", ""));
  subject.addEventListener("input", () => session.editPrintSettings("subjectEdit", subject.value));
  for (const radio of dialog.querySelectorAll('input[type="radio"]'))
    radio.addEventListener("change", () => edit(radio.dataset.name, "1"));
  const format = control(dialog, "numberFormatBox");
  format.addEventListener("change", () => edit("numberFormatBox", String(format.selectedIndex)));
  const start = control(dialog, "startNumberSpin");
  filterKeys(start, (key) => session.acceptsStartNumberKey(key));
  start.addEventListener("input", () => session.editPrintSettings("startNumberSpin", start.value));
  onButton(dialog, "setButton", () => {
    session.confirmPrintSettings();
    dialog.close();
    showReport(); // the sheets carry the new subject and page numbers
  });
  onButton(dialog, "cancelButton", () => {
    session.cancelPrintSettings();
    dialog.close();
  });
  dialog.addEventListener("cancel", () => session.cancelPrintSettings());
  return dialog;
}

function openPrintSettings() {
  const dialog = printSettingsDialog();
  showControls(dialog, JSON.parse(session.openPrintSettings()));
  dialog.showModal();
  control(dialog, "subjectEdit").focus();
}

// ---- 地域データ ---------------------------------------------------------------------

let siteRowCount = 0;

function siteEditorFields(dialog) {
  return [...dialog.querySelectorAll('[data-name="siteEditor"] .control')];
}

function editSiteRow(dialog, values) {
  for (const field of siteEditorFields(dialog)) field.value = values[field.dataset.name] ?? "";
}

function selectSiteRow(dialog, r) {
  const rows = dialog.querySelector('[data-name="siteTableView"] tbody').rows;
  for (const tr of rows) tr.classList.remove("selected");
  if (!rows[r]) return;
  rows[r].classList.add("selected");
  rows[r].scrollIntoView({ block: "nearest" });
  editSiteRow(dialog, JSON.parse(session.siteRowFields(r)));
  control(dialog, "siteStatusLabel").textContent = "";
  control(dialog, "siteSeaMapButton").disabled = !session.siteRowHasSeaMap(r);
}

function filterSiteTable(dialog) {
  const filter = control(dialog, "siteFilterEdit").value;
  const shown = JSON.parse(session.siteRowMatches(filter));
  const rows = dialog.querySelector('[data-name="siteTableView"] tbody').rows;
  shown.forEach((visible, r) => { rows[r].hidden = !visible; });
}

function fillSiteTable(dialog) {
  const rows = JSON.parse(session.siteRows());
  siteRowCount = rows.length;
  const columns = pageTables.dialogs.SiteDataWindow.items.filter((item) => item.kind === "column");
  const body = document.createElement("tbody");
  rows.forEach((row, r) => {
    const tr = document.createElement("tr");
    row.forEach((value, c) => {
      const td = document.createElement("td");
      td.textContent = value;
      td.style.textAlign = columns[c].align;
      tr.appendChild(td);
    });
    tr.addEventListener("click", () => selectSiteRow(dialog, r));
    body.appendChild(tr);
  });
  const table = dialog.querySelector('[data-name="siteTableView"] table');
  table.replaceChild(body, table.tBodies[0]);
  filterSiteTable(dialog);
  return rows;
}

function siteDataDialog() {
  const first = !dialogs.SiteDataWindow;
  const dialog = dialogNamed("SiteDataWindow");
  if (!first) return dialog;
  control(dialog, "siteSeaMapButton").disabled = true;
  onButton(dialog, "siteSeaMapButton", () => {
    const selected = dialog.querySelector('[data-name="siteTableView"] tr.selected');
    if (selected) openSeaMap(() => session.siteRowSeaMap(selected.sectionRowIndex), true);
  });
  control(dialog, "siteFilterEdit").addEventListener("input", () => filterSiteTable(dialog));
  onButton(dialog, "newUserRowButton", () => {
    const prefecture = control(dialog, "sitePrefectureBox").value;
    editSiteRow(dialog, { sitePrefectureBox: prefecture });
    for (const tr of dialog.querySelector('[data-name="siteTableView"] tbody').rows)
      tr.classList.remove("selected");
    control(dialog, "siteStatusLabel").textContent = tableItem("SiteDataWindow", "newRowMessage").text;
    control(dialog, "siteAreaEdit").focus();
  });
  onButton(dialog, "saveUserRowButton", async () => {
    const fields = {};
    for (const field of siteEditorFields(dialog)) fields[field.dataset.name] = field.value;
    const result = JSON.parse(session.saveSiteRow(fields));
    if (result.message) {
      await message(result.message);
      const field = control(dialog, result.focus);
      if (field) field.focus();
      return;
    }
    keepUserSiteFiles();
    const rows = fillSiteTable(dialog);
    const r = rows.findIndex((row) =>
      row[0] === fields.sitePrefectureBox && row[1] === fields.siteAreaEdit);
    if (r >= 0) selectSiteRow(dialog, r);
    control(dialog, "siteStatusLabel").textContent = result.status;
    refresh();
  });
  onButton(dialog, "closeButton", () => dialog.close());
  return dialog;
}

function openSiteData() {
  const dialog = siteDataDialog();
  fillSiteTable(dialog);
  control(dialog, "siteStatusLabel").textContent = "";
  dialog.showModal();
}

// ---- 海率の地図 ---------------------------------------------------------------------

// The map of the snow panel's reference opens beside the form and follows it,
// as the desktop's window does; the map of an office opens over 地域データ.
const seaMapShown = { fromForm: false, key: null };

function seaMapDialog() {
  const first = !dialogs.SeaMapWindow;
  const dialog = dialogNamed("SeaMapWindow");
  if (!first) return dialog;
  onButton(dialog, "closeButton", () => dialog.close());
  movableByCaption(dialog);
  return dialog;
}

// Draws the map `draw` gives (an SVG, or "" when there is none), bringing the
// coastline first when the core asks for it.
async function showSeaMap(dialog, draw) {
  const svg = await withCoastline(draw);
  const picture = control(dialog, "seaMapImage");
  if (svg) {
    picture.innerHTML = svg;
  } else {
    picture.textContent = tableItem("SeaMapWindow", "noMapMessage").text;
  }
  picture.classList.toggle("none", !svg);
  document.body.dataset.seaMap = svg ? "map" : "none";
}

async function openSeaMap(draw, overDialog = false) {
  const dialog = seaMapDialog();
  if (dialog.open) dialog.close();
  seaMapShown.fromForm = !overDialog;
  seaMapShown.key = formSeaMapKey();
  await showSeaMap(dialog, draw);
  if (overDialog) {
    dialog.showModal();
  } else {
    dialog.show();
    dialog.style.left = Math.max((innerWidth - dialog.offsetWidth) / 2, 0) + "px";
    dialog.style.top = Math.max((innerHeight - dialog.offsetHeight) / 2, 0) + "px";
  }
}

function openFormSeaMap() {
  return openSeaMap(() => session.seaMap());
}

// What the form's map shows: the reference's caption and its source.
function formSeaMapKey() {
  const label = widgets.get("seaRatioReferenceLabel");
  return label ? label.textContent + "|" + label.title : "";
}

// After every refresh: the form's map again when its reference changed.
function followFormSeaMap() {
  const dialog = dialogs.SeaMapWindow;
  if (!dialog || !dialog.open || !seaMapShown.fromForm) return;
  const key = formSeaMapKey();
  if (key === seaMapShown.key) return;
  seaMapShown.key = key;
  showSeaMap(dialog, () => session.seaMap());
}

// ---- ご利用について ------------------------------------------------------------------

function showUsageNotice() {
  const first = !dialogs.UsageNotice;
  const dialog = dialogNamed("UsageNotice");
  if (first) onButton(dialog, "confirmButton", () => dialog.close());
  dialog.showModal();
}

// ---- 許容スパン表 --------------------------------------------------------------------

// The table is a window beside the form, as on the desktop: not modal, moved by
// its caption, and following the form while it is open.
function spanTableDialog() {
  const first = !dialogs.SpanTableWindow;
  const dialog = dialogNamed("SpanTableWindow");
  if (!first) return dialog;
  const refusal = control(dialog, "refusalLabel");
  refusal.style.color = tableItem("SpanTableWindow", "refusalLabel").colour;
  refusal.hidden = true;
  onButton(dialog, "printButton", printSpanTable);
  onButton(dialog, "pdfButton", printSpanTable);
  onButton(dialog, "csvButton", () => {
    if (pageTableCurrent(dialog))
      download(session.spanTableCsv(), session.spanTableCsvName(), "text/csv");
  });
  onButton(dialog, "closeButton", () => dialog.close());
  dialog.addEventListener("keydown", (event) => {
    if ((event.ctrlKey || event.metaKey) && event.key.toLowerCase() === "p") {
      event.preventDefault();
      if (!control(dialog, "printButton").disabled) printSpanTable();
    } else if (event.key === "Escape") {
      event.preventDefault();
      dialog.close();
    }
  });
  dialog.addEventListener("close", () => {
    delete document.body.dataset.spanTable;
    forgetFollowing();
  });
  movableByCaption(dialog);
  return dialog;
}

// A window of the page is dragged by its caption bar.
function movableByCaption(dialog) {
  const caption = dialog.querySelector(".dialogCaption");
  caption.addEventListener("pointerdown", (event) => {
    if (event.button !== 0) return;
    event.preventDefault();
    const startX = event.clientX - dialog.offsetLeft;
    const startY = event.clientY - dialog.offsetTop;
    caption.setPointerCapture(event.pointerId);
    const move = (e) => {
      dialog.style.left = Math.min(Math.max(e.clientX - startX, 0), innerWidth - 40) + "px";
      dialog.style.top = Math.min(Math.max(e.clientY - startY, 0), innerHeight - 20) + "px";
    };
    const stop = () => {
      caption.removeEventListener("pointermove", move);
      caption.removeEventListener("pointerup", stop);
      caption.removeEventListener("pointercancel", stop);
    };
    caption.addEventListener("pointermove", move);
    caption.addEventListener("pointerup", stop);
    caption.addEventListener("pointercancel", stop);
  });
}

function showSpanTable(dialog, table) {
  const conditions = control(dialog, "conditionsLabel");
  conditions.replaceChildren(...table.conditions.map(([label, value]) => {
    const row = document.createElement("div");
    const b = document.createElement("b");
    b.textContent = label;
    row.append(b, "：" + value);
    return row;
  }));
  const body = dialog.querySelector('[data-name="spanTable"] tbody');
  body.replaceChildren(...table.decks.map((deck) => {
    const tr = document.createElement("tr");
    const th = document.createElement("th");
    th.textContent = deck.name;
    tr.append(th);
    for (const cell of deck.cells) {
      const td = document.createElement("td");
      td.className = cell.passes ? "" : "none";
      for (const [i, line] of cell.lines.entries()) {
        if (i) td.append(document.createElement("br"));
        td.append(line);
      }
      tr.append(td);
    }
    return tr;
  }));
  // The deck column heads no span count.
  const head = dialog.querySelector('[data-name="spanTable"] thead tr');
  if (head.firstChild.dataset.name) head.prepend(document.createElement("th"));
}

// The table of the form as it is now, or, for a design 計算 refuses, its message
// in grey where the table was: the table stays greyed and cannot be printed or
// saved until the form calculates again.
function showFollowedTable(dialog, table) {
  const refused = !!table.message;
  const refusal = control(dialog, "refusalLabel");
  refusal.textContent = refused ? table.message : "";
  refusal.hidden = !refused;
  dialog.classList.toggle("refused", refused);
  for (const name of ["printButton", "pdfButton", "csvButton"]) control(dialog, name).disabled = refused;
  if (!refused) showSpanTable(dialog, table);
}

// 許容スパン表 from the menu or Shift+F9: the same table the desktop's window shows.
async function openSpanTable() {
  const started = performance.now();
  await showBusy();
  const key = formKey();
  const table = JSON.parse(session.spanTable());
  hideBusy();
  refresh();
  if (table.message) return showFormMessage(table);
  const dialog = spanTableDialog();
  forgetFollowing();
  showFollowedTable(dialog, table);
  following.shownKey = key;
  following.pageTableOld = false;
  if (!dialog.open) {
    dialog.show();
    // Where the desktop opens its window: over the middle of the page.
    dialog.style.left = Math.max((innerWidth - dialog.offsetWidth) / 2, 0) + "px";
    dialog.style.top = Math.max((innerHeight - dialog.offsetHeight) / 2, 0) + "px";
  }
  spanTableWorker(); // started now, ready by the first change
  window.korvexSpanTableTime = performance.now() - started;
  document.body.dataset.spanTable = "1";
}

// 印刷 / PDF保存: the browser prints the one A4 sheet the desktop prints.
function printSpanTable() {
  const dialog = dialogs.SpanTableWindow;
  if (!pageTableCurrent(dialog)) return;
  const sheet = document.getElementById("printSheet");
  sheet.innerHTML = session.spanTableSheet(today());
  document.body.classList.add("printingSheet");
  window.addEventListener("afterprint", () => document.body.classList.remove("printingSheet"),
    { once: true });
  window.print();
}

// ---- the span table follows the form ------------------------------------------------

// While the table is open it is worked out again a pause after every change, as
// on the desktop. It takes 70–140 ms: too long for the page's thread while the
// user types on. So a Web Worker runs a second instance of the core on the form
// as a project file (span_table_worker.js), and the page only shows what it
// answers. A page opened from a local file may start no worker; there the table
// is worked out on the page's thread once the page is idle after the pause.
const following = {
  worker: undefined,    // undefined: not tried yet; null: none to be had
  job: 0,               // the run whose answer is awaited; answers of others are old
  running: false,       // that run is under way
  again: false,         // and the form changed meanwhile
  idle: 0,              // the page's own run, waiting for an idle moment
  sent: null,           // the form the run works from
  shownKey: null,       // the form of the table shown
  pageTableOld: false,  // the table shown came from the worker: the page's own is older
  started: 0,
};

// What the table is worked out from: the form as a project file, and the
// user's own site rows. The bytes are a message when the form cannot be one.
function formKey() {
  return { bytes: session.formBytes(), files: userSiteFiles() };
}

function sameBytes(a, b) {
  return a instanceof Uint8Array && b instanceof Uint8Array && a.length === b.length &&
    a.every((byte, i) => byte === b[i]);
}

function sameKey(a, b) {
  if (!a || !b || !sameBytes(a.bytes, b.bytes)) return false;
  const names = Object.keys(a.files);
  return names.length === Object.keys(b.files).length &&
    names.every((name) => sameBytes(a.files[name], b.files[name]));
}

function spanTableWorker() {
  if (following.worker !== undefined) return following.worker;
  following.worker = null;
  if (location.protocol !== "http:" && location.protocol !== "https:") return null;
  try {
    const worker = new Worker("span_table_worker.js");
    worker.addEventListener("message", (event) => tableWorkedOut(event.data));
    worker.addEventListener("error", (event) => {
      event.preventDefault();
      tableWorkedOut({ id: following.job, failed: true });
    });
    following.worker = worker;
  } catch (error) {
    // The page's thread does it.
  }
  return following.worker;
}

// Called when the verdict follows the form.
function followSpanTable() {
  const dialog = dialogs.SpanTableWindow;
  if (!dialog || !dialog.open) return;
  if (following.running) {
    following.again = true;
    return;
  }
  workOutTable();
}

function workOutTable() {
  following.again = false;
  const key = formKey();
  if (sameKey(key, following.shownKey)) return; // a focus move, or an edit undone
  const id = ++following.job;
  following.running = true;
  following.started = performance.now();
  following.sent = key;
  const worker = spanTableWorker();
  if (worker && key.bytes instanceof Uint8Array) {
    worker.postMessage({ id, ...key });
    return;
  }
  const run = () => {
    following.idle = 0;
    tableWorkedOut({ id, table: JSON.parse(session.spanTable()), onPage: true });
  };
  following.idle = window.requestIdleCallback
    ? requestIdleCallback(run, { timeout: 1000 }) : setTimeout(run, 0);
}

// A change while the page waits to work the table out on its own thread: the
// run waits for the next pause instead.
function holdSpanTableFollowing() {
  if (!following.idle) return;
  (window.cancelIdleCallback || clearTimeout)(following.idle);
  following.idle = 0;
  following.running = false;
}

// The table was opened or closed: no run under way counts any more.
function forgetFollowing() {
  holdSpanTableFollowing();
  ++following.job;
  following.running = following.again = false;
}

function tableWorkedOut(answer) {
  if (answer.id !== following.job) return;
  following.running = false;
  if (answer.failed) {
    // No worker after all: the page's thread takes over.
    following.worker?.terminate();
    following.worker = null;
    followSpanTable();
    return;
  }
  const dialog = dialogs.SpanTableWindow;
  if (!dialog || !dialog.open) return;
  // The form moved on meanwhile: this table is out of date already.
  if (following.again) {
    workOutTable();
    return;
  }
  showFollowedTable(dialog, answer.table);
  following.shownKey = following.sent;
  following.pageTableOld = !answer.onPage;
  window.korvexSpanTableFollow = {
    time: performance.now() - following.started,
    onPage: !!answer.onPage,
    count: (window.korvexSpanTableFollow?.count || 0) + 1,
  };
}

// Print and CSV use the page's own table: worked out again here when the one
// shown came from the worker. False when the form no longer calculates.
function pageTableCurrent(dialog) {
  if (!following.pageTableOld) return true;
  const key = formKey();
  const table = JSON.parse(session.spanTable());
  showFollowedTable(dialog, table);
  following.shownKey = key;
  following.pageTableOld = !!table.message;
  return !table.message;
}
