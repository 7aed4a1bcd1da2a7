// vdb serve: plots of a vehicle's signature drawn from its stored values, as
// plain SVG. Each stored value plotted is one element of class "point", so that
// what is drawn can be counted against what is stored.
"use strict";

window.vdbPlots = (() => {
  const ns = "http://www.w3.org/2000/svg";
  const width = 420, height = 260, left = 52, right = 12, top = 24, bottom = 40;
  const colours = ["#1f77b4", "#d62728", "#2ca02c", "#9467bd", "#ff7f0e", "#8c564b", "#17becf", "#7f7f7f"];

  function svg(tag, attributes, text) {
    const e = document.createElementNS(ns, tag);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  // The number of an image in operator units: "12.5 kn" is 12.5.
  function numberOf(image) {
    const n = parseFloat(image);
    return Number.isFinite(n) ? n : null;
  }

  // A tick step of 1, 2 or 5 times a power of ten giving about four intervals,
  // and the range widened to whole steps: ticks read 0, 5, 10, not 0.58.
  function range(values) {
    let lo = Math.min(...values), hi = Math.max(...values);
    if (!Number.isFinite(lo)) { lo = 0; hi = 1; }
    if (lo === hi) { lo -= 1; hi += 1; }
    const rough = (hi - lo) / 4, power = Math.pow(10, Math.floor(Math.log10(rough)));
    const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= rough);
    return [Math.floor(lo / step) * step - step, Math.ceil(hi / step) * step + step, step];
  }

  // A frame with axes, ticks at whole steps, titles in operator units; returns the
  // element and the functions placing a value.
  function frame(title, xTitle, yTitle, xs, ys) {
    const root = svg("svg", { width, height, viewBox: `0 0 ${width} ${height}` });
    const [x0, x1, xStep] = range(xs), [y0, y1, yStep] = range(ys);
    const px = (x) => left + ((x - x0) / (x1 - x0)) * (width - left - right);
    const py = (y) => height - bottom - ((y - y0) / (y1 - y0)) * (height - top - bottom);
    root.append(svg("text", { x: left, y: 14, "font-weight": "bold" }, title));
    const round = (v) => +v.toPrecision(6);
    for (let xv = x0; xv <= x1 + xStep / 2; xv += xStep) {
      root.append(svg("line", { class: "grid", x1: px(xv), x2: px(xv), y1: top, y2: height - bottom }));
      root.append(svg("text", { x: px(xv), y: height - bottom + 13, "text-anchor": "middle" }, round(xv)));
    }
    for (let yv = y0; yv <= y1 + yStep / 2; yv += yStep) {
      root.append(svg("line", { class: "grid", x1: left, x2: width - right, y1: py(yv), y2: py(yv) }));
      root.append(svg("text", { x: left - 4, y: py(yv) + 3, "text-anchor": "end" }, round(yv)));
    }
    root.append(svg("line", { class: "axis", x1: left, x2: width - right, y1: height - bottom, y2: height - bottom }));
    root.append(svg("line", { class: "axis", x1: left, x2: left, y1: top, y2: height - bottom }));
    root.append(svg("text", { x: (left + width - right) / 2, y: height - 6, "text-anchor": "middle" }, xTitle));
    root.append(svg("text", { x: 12, y: (top + height - bottom) / 2, "text-anchor": "middle",
      transform: `rotate(-90 12 ${(top + height - bottom) / 2})` }, yTitle));
    return { root, px, py, baseline: height - bottom };
  }

  function point(f, x, y, colour, label) {
    const c = svg("circle", { class: "point", cx: f.px(x), cy: f.py(y), r: 4, fill: colour });
    c.append(svg("title", {}, label));
    f.root.append(c);
  }

  function legend(f, names) {
    names.forEach((name, i) => {
      const x = width - right - 110, y = top + 4 + i * 13;
      f.root.append(svg("rect", { x, y, width: 8, height: 8, fill: colours[i % colours.length] }));
      f.root.append(svg("text", { x: x + 12, y: y + 8 }, name));
    });
  }

  function figure(id, caption, f) {
    const fig = document.createElement("figure");
    fig.className = "plot";
    fig.id = id;
    fig.append(f.root);
    const c = document.createElement("figcaption");
    c.className = "muted";
    c.textContent = caption;
    fig.append(c);
    return fig;
  }

  // Broadband: each propulsion mode's flow, machinery and propeller source levels
  // at that mode's maximum speed.
  function broadband(byName) {
    const sources = [["flow", "c510"], ["machinery", "c500"], ["propeller", "c520"]];
    const points = [];
    for (let mode = 1; mode <= 3; ++mode) {
      const speed = byName.get(`c430.${mode}`);
      if (!speed || numberOf(speed.image) === null) continue;
      sources.forEach(([source, name], i) => {
        const level = byName.get(`${name}.${mode}`);
        if (level && numberOf(level.image) !== null) {
          points.push({ x: numberOf(speed.image), y: numberOf(level.image), i, label: `${source}, mode ${mode}: ${level.image} at ${speed.image}` });
        }
      });
    }
    const f = frame("Broadband source levels against speed", "maximum speed of the mode (kn)", "level (dB)",
      points.map((p) => p.x), points.map((p) => p.y));
    for (const p of points) point(f, p.x, p.y, colours[p.i], p.label);
    legend(f, sources.map((s) => s[0]));
    return figure("plot-bb", "One point per propulsion mode and source: c510, c500, c520 at c430.", f);
  }

  // Narrowband: a line spectrum of the tonals whose kind stores a fundamental
  // frequency (aux: c720 and level c723; fir: c730 and level c733).
  function narrowband(byName, values) {
    const kinds = { AUX: ["c720", "c723"], FIR: ["c730", "c733"] };
    const points = [];
    for (const v of values.filter((c) => c.characteristic === "c701")) {
      const kind = v.image.trim();
      const names = kinds[kind];
      if (!names) continue;
      const freq = byName.get(`${names[0]}.${v.outer}`), level = byName.get(`${names[1]}.${v.outer}`);
      if (freq && level && numberOf(freq.image) !== null && numberOf(level.image) !== null) {
        points.push({ x: numberOf(freq.image), y: numberOf(level.image), kind, label: `slot ${v.outer} ${kind}: ${level.image} at ${freq.image} Hz` });
      }
    }
    const order = Object.keys(kinds);
    const f = frame("Narrowband tonals", "frequency (Hz)", "level (dB)",
      points.map((p) => p.x), points.map((p) => p.y).concat([0]));
    for (const p of points) {
      const colour = colours[order.indexOf(p.kind)];
      f.root.append(svg("line", { x1: f.px(p.x), x2: f.px(p.x), y1: f.baseline, y2: f.py(p.y), stroke: colour, "stroke-width": 2 }));
      point(f, p.x, p.y, colour, p.label);
    }
    legend(f, order);
    return figure("plot-nb", "One line per tonal slot of a kind with a fixed fundamental; spd, bld and modu tonals follow the shaft rate.", f);
  }

  // Wideband: each slot's band at its fundamental frequency and level, by kind.
  function wideband(byName, values) {
    const points = [], kinds = [];
    for (const v of values.filter((c) => c.characteristic === "c801")) {
      const kind = v.image.trim();
      const freq = byName.get(`c830.${v.outer}`), level = byName.get(`c864.${v.outer}`);
      if (!freq || !level || numberOf(freq.image) === null || numberOf(level.image) === null) continue;
      if (!kinds.includes(kind)) kinds.push(kind);
      points.push({ x: numberOf(freq.image), y: numberOf(level.image), kind, label: `slot ${v.outer} ${kind}: ${level.image} at ${freq.image} Hz` });
    }
    const f = frame("Wideband bands", "fundamental frequency (Hz)", "level (dB)",
      points.map((p) => p.x), points.map((p) => p.y));
    for (const p of points) point(f, p.x, p.y, colours[kinds.indexOf(p.kind)], p.label);
    legend(f, kinds);
    return figure("plot-wb", "One point per wideband slot: c830 and c864, by kind c801.", f);
  }

  function draw(container, values) {
    const byName = new Map(values.map((v) => [v.name, v]));
    container.replaceChildren(broadband(byName), narrowband(byName, values), wideband(byName, values));
  }

  return { draw };
})();
