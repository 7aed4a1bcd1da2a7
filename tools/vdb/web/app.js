// vdb serve: the pages' behaviour. Every value shown comes from the server's
// JSON; every change is sent to it and checked there, by the same operations as
// the command line. The token of the printed address is kept for this tab only.
"use strict";

const vdb = (() => {
  const params = new URLSearchParams(location.search);
  if (params.get("token")) {
    sessionStorage.setItem("vdb-token", params.get("token"));
    params.delete("token");
    history.replaceState(null, "", location.pathname + (params.toString() ? "?" + params : ""));
  }
  const token = () => sessionStorage.getItem("vdb-token") || "";

  function element(tag, attributes = {}, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) {
      if (v === undefined || v === null) continue;
      if (k === "class") e.className = v;
      else if (k.startsWith("on")) e.addEventListener(k.slice(2), v);
      else e.setAttribute(k, v);
    }
    for (const c of children) e.append(c instanceof Node ? c : document.createTextNode(String(c)));
    return e;
  }

  function status(text, good) {
    const s = document.getElementById("status");
    s.textContent = text;
    s.className = good ? "good" : "bad";
  }

  async function get(path) {
    const r = await fetch(path);
    const body = await r.json();
    if (!r.ok) throw new Error((body.messages || []).join("; ") || r.statusText);
    return body;
  }

  // A writing request: answers {status, body} whatever the outcome.
  async function post(path, body) {
    const r = await fetch(path, {
      method: "POST",
      headers: { "Content-Type": "application/json", "X-Vdb-Token": token() },
      body: JSON.stringify(body),
    });
    return { status: r.status, body: await r.json() };
  }

  return { element, status, get, post, token };
})();

// ---- The database page ----

function databasePage() {
  const el = vdb.element;
  let entries = [];

  function showFacts(doc) {
    const files = document.getElementById("files");
    files.replaceChildren();
    for (const key of ["item_file", "index_file"]) {
      const f = doc.stat[key];
      files.append(el("div", {}, `${key.replace("_", " ")}: ${f.name}: `,
        f.exists ? `${f.size} bytes (expected ${f.expected_size})` : "missing",
        f.as_expected ? "" : "  (not as expected)"));
    }
    const locks = doc.stat.lock_files;
    document.getElementById("locks").textContent =
      "lock files: " + (locks.length ? locks.join(", ") : "none");
  }

  function matches(e) {
    const group = document.getElementById("group-filter").value;
    const state = document.getElementById("state-filter").value;
    const text = document.getElementById("search").value.trim().toLowerCase();
    if (group && e.group !== group) return false;
    if (state && e.state !== state) return false;
    if (!text) return true;
    return [e.name, e.class, e.kind, String(e.position)].some((v) => v.toLowerCase().includes(text));
  }

  function dimension(v) {
    return v === null ? "-" : v.toFixed(2);
  }

  function showEntries() {
    const shown = entries.filter(matches);
    document.getElementById("count").textContent = `${shown.length} of ${entries.length}`;
    const head = el("tr", {}, ...["Position", "Kind", "Class", "Name", "State", "Modified (writer's local time)",
      "Length (m)", "Height (m)", "Width (m)"].map((h) => el("th", {}, h)));
    const body = el("tbody");
    let group = null;
    for (const e of shown) {
      if (e.group !== group) {
        group = e.group;
        body.append(el("tr", { class: "group" }, el("th", { colspan: 9 }, group || "no valid key")));
      }
      const open = () => { location.href = `/vehicle.html?position=${e.position}`; };
      body.append(el("tr", { class: "entry", "data-position": e.position, onclick: open },
        el("td", { class: "num" }, el("a", { href: `/vehicle.html?position=${e.position}` }, e.position)),
        el("td", {}, e.kind), el("td", {}, e.class), el("td", {}, e.name), el("td", {}, e.state),
        el("td", {}, e.modified), el("td", { class: "num" }, dimension(e.length)),
        el("td", { class: "num" }, dimension(e.height)), el("td", { class: "num" }, dimension(e.width))));
    }
    document.getElementById("entries").replaceChildren(el("table", { id: "entry-table" }, el("thead", {}, head), body));
  }

  async function load() {
    const doc = await vdb.get("/api/database");
    showFacts(doc);
    entries = doc.list ? doc.list.entries : [];
    const groups = document.getElementById("group-filter");
    for (const g of doc.groups) groups.append(el("option", {}, g));
    if (doc.messages.length) vdb.status(doc.messages.join("; "), false);
    document.getElementById("new-section").hidden = doc.read_only;
    showEntries();
  }

  for (const id of ["group-filter", "state-filter", "search"]) {
    document.getElementById(id).addEventListener("input", showEntries);
  }
  document.getElementById("new-form").addEventListener("submit", async (event) => {
    event.preventDefault();
    const f = new FormData(event.target);
    const r = await vdb.post("/api/new", {
      library_number: Number(f.get("library_number")), permanence: f.get("permanence"),
      name: f.get("name"), class: f.get("class"), qualifier: Number(f.get("qualifier")),
      issue: Number(f.get("issue")),
    });
    if (r.status === 200) location.href = `/vehicle.html?position=${r.body.position}`;
    else vdb.status("Not stored: " + r.body.messages.join("; "), false);
  });
  load().catch((e) => vdb.status(e.message, false));
}

// ---- The vehicle page ----

function vehiclePage() {
  const el = vdb.element;
  const position = Number(new URLSearchParams(location.search).get("position"));
  let doc = null;  // the vehicle as last loaded: its entry's modification time guards saves

  function showEntry() {
    const e = doc.entry;
    document.getElementById("title").textContent = `${e.key.image} ${e.key.class} ${e.key.name}`;
    document.title = `vdb: ${position} ${e.key.name}`;
    document.getElementById("entry-facts").replaceChildren(
      el("div", {}, `position ${position}, state ${e.state}, modified `,
        el("span", { id: "modified" }, e.modified), " (writer's local time)"));
    document.getElementById("state").value = e.state;
    document.getElementById("entry-form").hidden = doc.read_only;
  }

  // The blocks of a group: instances of a slot, effect or set together; the
  // three propulsion modes as columns side by side.
  function blocksOf(values) {
    const blocks = new Map();
    for (const v of values) {
      const byMode = v.outer_per === "mode";
      const block = byMode || !v.outer_per ? "" : `${v.outer_per} ${v.outer}`;
      const column = byMode ? v.outer : v.inner_per ? v.inner : 1;
      const per = byMode ? "mode" : v.inner_per;
      if (!blocks.has(block)) blocks.set(block, new Map());
      const rows = blocks.get(block);
      if (!rows.has(v.characteristic)) rows.set(v.characteristic, { per, cells: [] });
      rows.get(v.characteristic).cells[column - 1] = v;
    }
    return blocks;
  }

  function editor(v) {
    const attributes = { "data-name": v.name, disabled: doc.read_only ? "" : null, title: v.bounds || "" };
    let input;
    if (v.choices.length) {
      input = el("select", attributes, ...v.choices.map((c) => el("option", {}, c)));
      input.value = v.image;
    } else {
      input = el("input", { ...attributes, value: v.image, maxlength: v.text_size });
    }
    input.addEventListener("change", () => save(v, input));
    return input;
  }

  function rowOf(name, row, columns) {
    const first = row.cells.find((c) => c);
    const cells = [];
    for (let i = 0; i < columns; ++i) {
      cells.push(el("td", {}, row.cells[i] ? editor(row.cells[i]) : ""));
    }
    return el("tr", {}, el("td", {}, name),
      el("td", {}, first.alias), el("td", {}, first.unit), el("td", { class: "muted" }, first.bounds || ""), ...cells);
  }

  function tableOf(rows) {
    const columns = Math.max(...[...rows.values()].map((r) => r.cells.length));
    const per = [...rows.values()][0].per;
    const labels = [];
    for (let i = 1; i <= columns; ++i) labels.push(per ? `${per} ${i}` : "value");
    const head = el("tr", {}, ...["Number", "Alias", "Unit", "Editing bounds", ...labels].map((h) => el("th", {}, h)));
    return el("table", {}, el("thead", {}, head),
      el("tbody", {}, ...[...rows.entries()].map(([name, row]) => rowOf(name, row, columns))));
  }

  // A tonal slot is headed by its kind.
  function blockTitle(block, rows) {
    for (const kind of ["c701", "c801"]) {
      if (rows.has(kind)) return `${block}: ${rows.get(kind).cells[0].image}`;
    }
    return block;
  }

  // Groups are built when first opened: a record holds some four thousand values.
  const opened = new Set(["general", "physical"]);

  function fillGroup(section, values) {
    for (const [block, rows] of blocksOf(values)) {
      if (block) section.append(el("h3", {}, blockTitle(block, rows)));
      // Values held once, per mode, per harmonic: a table each, so that every
      // column says what it holds.
      const byPer = new Map();
      for (const [name, row] of rows) {
        if (!byPer.has(row.per)) byPer.set(row.per, new Map());
        byPer.get(row.per).set(name, row);
      }
      for (const part of byPer.values()) section.append(tableOf(part));
    }
  }

  function showGroups() {
    const groups = new Map();
    for (const v of doc.characteristics) {
      if (!groups.has(v.group)) groups.set(v.group, []);
      groups.get(v.group).push(v);
    }
    const sections = [];
    for (const [group, values] of groups) {
      const section = el("details", { id: `group-${group}`, class: "group" },
        el("summary", {}, el("h2", {}, `${group} (${values.length})`)));
      let filled = false;
      const fill = () => {
        if (!section.open || filled) return;
        filled = true;
        fillGroup(section, values);
      };
      section.addEventListener("toggle", () => {
        if (section.open) opened.add(group); else opened.delete(group);
        fill();
      });
      section.open = opened.has(group);
      fill();
      sections.push(section);
    }
    document.getElementById("groups").replaceChildren(...sections);
  }

  function showAll() {
    showEntry();
    showGroups();
    if (window.vdbPlots) window.vdbPlots.draw(document.getElementById("plots"), doc.characteristics);
  }

  function imageIn(vehicle, name) {
    const v = vehicle && vehicle.characteristics.find((c) => c.name === name);
    return v ? v.image : "?";
  }

  async function save(v, input) {
    const r = await vdb.post(`/api/vehicle/${position}/set`, {
      loaded: doc.entry.modified, values: { [v.name]: input.value },
    });
    input.classList.remove("saved", "refused");
    if (r.status === 200) {
      doc = r.body.vehicle;
      showAll();
      vdb.status(`${v.name} saved: ${imageIn(doc, v.name)}`, true);
      const again = document.querySelector(`[data-name="${v.name}"]`);
      if (again) again.classList.add("saved");
      return;
    }
    input.classList.add("refused");
    const why = r.body.messages.join("; ");
    if (r.status === 409) {
      vdb.status(`Not saved: ${why}. Yours: ${input.value}; stored now: ${imageIn(r.body.vehicle, v.name)}` +
        " (reload the page to edit what is stored now)", false);
    } else {
      vdb.status(`Not saved: ${why}`, false);
    }
  }

  async function entryChange(path, body, what) {
    const r = await vdb.post(`/api/vehicle/${position}/${path}`, body);
    if (r.status !== 200) return vdb.status(`${what} not changed: ${r.body.messages.join("; ")}`, false);
    await load();
    vdb.status(`${what} changed`, true);
  }

  async function load() {
    doc = await vdb.get(`/api/vehicle/${position}`);
    showAll();
  }

  document.getElementById("set-state").addEventListener("click", () =>
    entryChange("state", { state: document.getElementById("state").value }, "State"));
  document.getElementById("touch").addEventListener("click", () =>
    entryChange("touch", { time: document.getElementById("time").value }, "Modification time"));
  load().catch((e) => vdb.status(e.message, false));
}

// ---- The characteristic reference ----

function referencePage() {
  const el = vdb.element;
  let rows = [];
  const text = (v) => (v ? v.text : "");

  function show() {
    const wanted = document.getElementById("search").value.trim().toLowerCase();
    const shown = rows.filter((r) => !wanted ||
      [r.name, r.alias, r.group, r.value_type].some((v) => v.toLowerCase().includes(wanted)));
    document.getElementById("count").textContent = `${shown.length} of ${rows.length}`;
    const head = el("tr", {}, ...["Name", "Group", "Alias", "Kind", "Value type", "Unit", "Default", "Min", "Max",
      "Choices"].map((h) => el("th", {}, h)));
    const body = el("tbody", {}, ...shown.map((r) => el("tr", { "data-name": r.name },
      el("td", {}, r.name), el("td", {}, r.group), el("td", {}, r.alias), el("td", {}, r.kind),
      el("td", {}, r.value_type), el("td", {}, r.unit), el("td", {}, text(r.default)),
      el("td", {}, text(r.min)), el("td", {}, text(r.max)),
      el("td", {}, r.choices.map((c) => c.image.trim()).join(", ")))));
    document.getElementById("reference").replaceChildren(el("table", {}, el("thead", {}, head), body));
  }

  vdb.get("/api/describe").then((doc) => {
    rows = doc.characteristics;
    show();
  }).catch((e) => vdb.status(e.message, false));
  document.getElementById("search").addEventListener("input", show);
}

const page = document.currentScript && document.currentScript.dataset.page;
if (page === "database") databasePage();
if (page === "vehicle") vehiclePage();
if (page === "reference") referencePage();
