// What the page keeps in the browser between visits: the copy of the form
// against a lost tab (one per tab), the list of recent designs with their file
// handles, and which tabs of the page are open. Nothing leaves the machine.
"use strict";

// A full or unavailable storage is told once; the page goes on without it.
let storageTold = false;

async function tellStorageFailure(what) {
  if (storageTold) return;
  storageTold = true;
  await message(`${what}\nブラウザの保存領域がいっぱいか、使えない設定になっています。` +
    "入力内容はこのタブに残っていますので、「データ保存」で保存して下さい。");
}

function base64(bytes) {
  let binary = "";
  for (let i = 0; i < bytes.length; i += 0x8000)
    binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(binary);
}

function fromBase64(text) {
  return Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
}

// ---- the tabs of the page ----------------------------------------------------------

// Each tab has an id of its own, kept in its session storage so that a reload
// finds its copy again, and holds a Web Lock named after it for as long as it
// is open: a copy whose tab holds no lock is left over by a tab that is gone.
const TAB_LOCK = "korvex.tab.";
const tabs = {
  id: "",
  channel: "BroadcastChannel" in window ? new BroadcastChannel("korvex") : null,
};

function newTabId() {
  return Date.now().toString(36) + Math.random().toString(36).slice(2, 8);
}

// Holds the lock `name` if no one else does: the function that lets it go, or
// null when another tab holds it (or the browser has no locks).
function holdLock(name) {
  if (!navigator.locks) return Promise.resolve(null);
  return new Promise((resolve) => {
    navigator.locks.request(name, { ifAvailable: true }, (lock) => {
      if (!lock) return resolve(null);
      return new Promise((release) => resolve(release));
    }).catch(() => resolve(null));
  });
}

async function startTab() {
  let id = null;
  try {
    id = sessionStorage.getItem("korvex.tabId");
  } catch (error) {
    // No session storage: a new id for every page.
  }
  // A duplicated tab starts with its original's session storage: the id is
  // taken, and the new tab takes one of its own.
  if (!id || (navigator.locks && !(await holdLock(TAB_LOCK + id)))) {
    id = newTabId();
    await holdLock(TAB_LOCK + id);
  }
  tabs.id = id;
  try {
    sessionStorage.setItem("korvex.tabId", id);
  } catch (error) {
    // Kept for this page only.
  }
  if (tabs.channel) tabs.channel.addEventListener("message", answerOtherTab);
}

// Without Web Locks (a page served over plain HTTP) the open tabs answer a
// roll call instead.
async function liveTabIds() {
  const ids = new Set();
  if (!tabs.channel) return ids;
  const listen = (event) => { if (event.data?.type === "here") ids.add(event.data.id); };
  tabs.channel.addEventListener("message", listen);
  tabs.channel.postMessage({ type: "who" });
  await new Promise((resolve) => setTimeout(resolve, 300));
  tabs.channel.removeEventListener("message", listen);
  return ids;
}

async function answerOtherTab(event) {
  const data = event.data || {};
  if (data.type === "who") tabs.channel.postMessage({ type: "here", id: tabs.id });
  if (data.type === "opened" && data.id !== tabs.id && (await isOurFile(data.name, data.handle)))
    tabs.channel.postMessage({ type: "alsoOpen", to: data.id, name: data.name });
}

// Tells the user when the design just opened is open in another tab too: two
// tabs saving the same file would overwrite each other's work.
async function announceOpenedFile(name, handle) {
  if (!tabs.channel) return;
  let told = false;
  const listen = (event) => {
    if (event.data?.type !== "alsoOpen" || event.data.to !== tabs.id || told) return;
    told = true;
    message(`このデータ「${name}」は別のタブでも開かれています。` +
      "両方のタブで保存すると、後から保存した内容で上書きされます。");
  };
  tabs.channel.addEventListener("message", listen);
  try {
    tabs.channel.postMessage({ type: "opened", id: tabs.id, name, handle });
  } catch (error) {
    tabs.channel.postMessage({ type: "opened", id: tabs.id, name });
  }
  setTimeout(() => tabs.channel.removeEventListener("message", listen), 1000);
}

// ---- the copy of the form ------------------------------------------------------------

// One copy per tab in the local storage (a project file, base64, with the
// design's own file name), so that two tabs never overwrite or drop each
// other's edits.
const COPY_KEY = "korvex.recovery.";
const keeper = { timer: 0, started: false, lastText: "" };

function copyKey(id) {
  return COPY_KEY + id;
}

function storedCopies() {
  const copies = [];
  try {
    for (let i = 0; i < localStorage.length; ++i) {
      const key = localStorage.key(i);
      if (!key.startsWith(COPY_KEY)) continue;
      try {
        copies.push({ id: key.slice(COPY_KEY.length), ...JSON.parse(localStorage.getItem(key)) });
      } catch (error) {
        copies.push({ id: key.slice(COPY_KEY.length), broken: true });
      }
    }
  } catch (error) {
    // No local storage: nothing was kept.
  }
  return copies.sort((a, b) => (b.time || 0) - (a.time || 0));
}

function removeCopy(id) {
  try {
    localStorage.removeItem(copyKey(id));
  } catch (error) {
    // Nothing can be there.
  }
}

// The copy as the form is now: written while it has unsaved edits, else removed.
function keepCopyNow() {
  clearTimeout(keeper.timer);
  keeper.timer = 0;
  if (!session || !keeper.started) return;
  if (!JSON.parse(session.state()).unsaved) {
    removeCopy(tabs.id);
    return;
  }
  const copy = session.recoveryCopy();
  if (copy.message) {
    tellStorageFailure(pageTables.recovery.keepFailure + "\n" + copy.message);
    return;
  }
  const text = JSON.stringify({ bytes: base64(copy.bytes), origin: copy.origin, time: Date.now() });
  try {
    localStorage.setItem(copyKey(tabs.id), text);
  } catch (error) {
    tellStorageFailure(pageTables.recovery.keepFailure);
  }
}

// A change of the form: the copy follows once the form has been still a while.
function formChanged() {
  if (!keeper.started) return;
  clearTimeout(keeper.timer);
  keeper.timer = setTimeout(keepCopyNow, pageTables.recovery.delay);
}

function discardCopy() {
  clearTimeout(keeper.timer);
  keeper.timer = 0;
  removeCopy(tabs.id);
}

// The copies no open tab holds: this tab's own from before a reload, and those
// of tabs that are gone. Each is claimed (its tab's lock) while it is offered.
async function orphanedCopies() {
  const copies = storedCopies();
  const live = navigator.locks ? null : await liveTabIds();
  const orphans = [];
  for (const copy of copies) {
    if (copy.id === tabs.id) {
      orphans.push({ ...copy, release: () => {} });
    } else if (navigator.locks) {
      const release = await holdLock(TAB_LOCK + copy.id);
      if (release) orphans.push({ ...copy, release });
    } else if (!live.has(copy.id)) {
      orphans.push({ ...copy, release: () => {} });
    }
  }
  return orphans;
}

// At the opening of the page: "前回終了時の編集内容を復元しますか？" for each copy a
// lost tab left, newest first, until one is restored. はい puts it into the form
// as unsaved edits; いいえ drops it.
async function offerCopies() {
  for (const copy of await orphanedCopies()) {
    try {
      const answer = await message(pageTables.recovery.question, ["はい", "いいえ"]);
      if (answer !== "はい") {
        removeCopy(copy.id);
        continue;
      }
      const outcome = copy.broken
        ? { restored: false, messages: [] }
        : JSON.parse(await withCoastline(() =>
          session.restoreRecovery(fromBase64(copy.bytes), copy.origin || "")));
      refresh();
      for (const m of outcome.messages) await message(m);
      removeCopy(copy.id);
      if (outcome.restored) {
        keeper.started = true;
        keepCopyNow(); // the copy is this tab's now
        return;
      }
    } finally {
      copy.release();
    }
  }
}

async function startKeeper() {
  await offerCopies();
  keeper.started = true;
  formChanged();
}

// Leaving the page: the edits are kept when there are any, else the copy goes.
window.addEventListener("pagehide", () => {
  if (session && keeper.started) keepCopyNow();
});

// ---- the recent designs --------------------------------------------------------------

// The last eight designs opened or saved, newest first, in IndexedDB with their
// file handles where the browser gives them, so that a click opens the file
// again (after the browser's question about the permission).
const recent = { list: [], database: null };

function openDatabase() {
  return new Promise((resolve, reject) => {
    const request = indexedDB.open("korvex", 1);
    request.onupgradeneeded = () => request.result.createObjectStore("designs");
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(request.error);
  });
}

function databaseRequest(mode, work) {
  return new Promise((resolve, reject) => {
    const transaction = recent.database.transaction("designs", mode);
    const request = work(transaction.objectStore("designs"));
    transaction.oncomplete = () => resolve(request.result);
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error);
  });
}

async function loadRecentDesigns() {
  try {
    recent.database = await openDatabase();
    recent.list = (await databaseRequest("readonly", (store) => store.get("recent"))) || [];
  } catch (error) {
    recent.database = null;
    recent.list = [];
  }
}

async function storeRecentDesigns() {
  try {
    if (!recent.database) throw new Error("no database");
    await databaseRequest("readwrite", (store) => store.put(recent.list, "recent"));
  } catch (error) {
    tellStorageFailure("最近使ったデータをブラウザに記録できませんでした。");
  }
}

async function isSameFile(entry, name, handle) {
  if (handle && entry.handle) {
    try {
      return await entry.handle.isSameEntry(handle);
    } catch (error) {
      return false;
    }
  }
  return !handle && !entry.handle && entry.name === name;
}

async function isOurFile(name, handle) {
  const ours = currentFile.handle;
  if (handle && ours && ours.isSameEntry) {
    try {
      return await ours.isSameEntry(handle);
    } catch (error) {
      return false;
    }
  }
  return !!currentFile.name && currentFile.name === name && !handle && !ours;
}

// A design opened or saved: to the front of the list (the core's rule), once.
async function addRecentDesign(name, handle) {
  let entry = null;
  for (const e of recent.list) if (await isSameFile(e, name, handle)) entry = e;
  if (!entry) entry = { id: newTabId(), name };
  entry.name = name;
  entry.handle = handle || null;
  entry.missing = false;
  const order = JSON.parse(korvex.recentAfterUse(recent.list.map((e) => e.id), entry.id));
  const byId = new Map([...recent.list, entry].map((e) => [e.id, e]));
  recent.list = order.map((id) => byId.get(id));
  await storeRecentDesigns();
}

async function forgetMissingDesigns() {
  recent.list = recent.list.filter((e) => e.handle && !e.missing);
  await storeRecentDesigns();
}

async function markMissing(entry) {
  entry.missing = true;
  await storeRecentDesigns();
}
