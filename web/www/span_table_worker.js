// The span table worked out beside the page, so that typing never waits for it:
// a second instance of the core, on the same shipped site tables and the user's
// own rows, takes the form as a project file (the bytes the page's core writes
// for a save), loads it as データ読込 would, and answers with the table as the
// dialog shows it, or with the message 計算 gives for the design.
"use strict";

importScripts("korvex_web.js");

const USER_SITE_FOLDER = "/user/Load_data";
const core = { module: null, session: null, userFiles: {} };
const started = createKorvex().then((module) => { core.module = module; });

function sameBytes(a, b) {
  return a.length === b.length && a.every((byte, i) => byte === b[i]);
}

function sameFiles(a, b) {
  const names = Object.keys(a);
  return names.length === Object.keys(b).length &&
    names.every((name) => name in b && sameBytes(a[name], b[name]));
}

// The session, started again whenever the user's own site rows have changed.
function sessionFor(userFiles) {
  if (core.session && sameFiles(core.userFiles, userFiles)) return core.session;
  const { FS, WebSession } = core.module;
  FS.mkdirTree(USER_SITE_FOLDER);
  for (const name of FS.readdir(USER_SITE_FOLDER))
    if (name !== "." && name !== "..") FS.unlink(`${USER_SITE_FOLDER}/${name}`);
  for (const [name, bytes] of Object.entries(userFiles))
    FS.writeFile(`${USER_SITE_FOLDER}/${name}`, bytes);
  if (core.session) core.session.delete();
  core.session = new WebSession();
  core.userFiles = userFiles;
  if (core.session.start()) {
    core.session.delete();
    core.session = null;
  }
  return core.session;
}

self.addEventListener("message", async (event) => {
  const { id, bytes, files } = event.data;
  try {
    await started;
    const session = sessionFor(files);
    const outcome = session && JSON.parse(session.load("form.kvxw", bytes));
    if (!outcome || !outcome.applied) throw new Error("the form did not load");
    self.postMessage({ id, table: JSON.parse(session.spanTable()) });
  } catch (error) {
    self.postMessage({ id, failed: true, reason: String(error) });
  }
});
