// The page's style sheet and script, inline so that the page is one file that needs no network.
#include "SummaryHtmlAssets.h"

const char kSummaryStyle[] = R"CSS(
:root { --line: #d0d4da; --muted: #5b6470; --accent: #1f5fa8; --bad: #a8321f; --warn: #8a5a00; }
* { box-sizing: border-box; }
body { margin: 0; font: 14px/1.45 system-ui, "Segoe UI", Arial, sans-serif; color: #1d2430; background: #f5f6f8; }
header, main { max-width: 1200px; margin: 0 auto; padding: 0 24px; }
header { padding-top: 20px; }
h1 { font-size: 24px; margin: 0 0 4px; }
h2 { font-size: 18px; margin: 28px 0 8px; }
h3 { font-size: 15px; margin: 18px 0 6px; }
h4 { font-size: 13px; margin: 10px 0 4px; color: var(--muted); }
.headline { font-size: 16px; margin: 4px 0 12px; }
dl.facts { display: grid; grid-template-columns: max-content 1fr; gap: 2px 16px; margin: 0 0 8px; }
dl.facts dt { color: var(--muted); }
dl.facts dd { margin: 0; overflow-wrap: anywhere; }
.filters { display: flex; gap: 16px; flex-wrap: wrap; align-items: center; margin: 8px 0; }
.filters input { font: inherit; padding: 4px 8px; width: 240px; border: 1px solid var(--line); border-radius: 4px; }
.filters output { color: var(--muted); }
table { border-collapse: collapse; background: #fff; border: 1px solid var(--line); margin: 4px 0 8px; }
th, td { padding: 4px 10px; border-bottom: 1px solid var(--line); text-align: left; vertical-align: top; }
th { background: #e9ecf0; font-weight: 600; white-space: nowrap; }
table.sortable th { cursor: pointer; user-select: none; }
table.sortable th::after { content: " \2195"; color: #9aa3ad; }
table.sortable th[aria-sort=ascending]::after { content: " \2191"; color: var(--accent); }
table.sortable th[aria-sort=descending]::after { content: " \2193"; color: var(--accent); }
td.num, th.num { text-align: right; font-variant-numeric: tabular-nums; }
.state { font-weight: 600; }
.state-translated { color: #1d6b2f; }
.state-not-translated { color: var(--bad); }
.state-left-out, .state-skipped { color: var(--warn); }
section.session { background: #fff; border: 1px solid var(--line); border-radius: 6px; padding: 4px 18px 14px;
                  margin: 18px 0; }
section.session h2 { margin-top: 12px; }
.path { color: var(--muted); font-weight: normal; font-size: 13px; overflow-wrap: anywhere; }
ul.lines, ul.notices, ul.files { margin: 0; padding-left: 20px; }
ul.lines li { margin: 1px 0; }
.kind { display: inline-block; min-width: 96px; font-size: 12px; color: var(--muted); }
.kind-unrecognized { color: var(--bad); }
.kind-macro { color: var(--warn); }
table.keymap td:nth-child(-n+2) { white-space: nowrap; }
table.keymap td { overflow-wrap: anywhere; }
code, pre, .caption, q { font-family: ui-monospace, Consolas, "DejaVu Sans Mono", monospace; font-size: 13px; }
ul.notices li { color: var(--warn); }
.problem { color: var(--bad); }
.file-header { color: var(--muted); margin: 0 0 4px; }
figure.preview { margin: 4px 0; overflow-x: auto; }
figure.preview svg { max-width: 100%; height: auto; overflow: visible; }
.control { font: 9px/1 system-ui, Arial, sans-serif; border: 1px solid #9aa3ad; border-radius: 2px; padding: 0 1px;
           margin: 0 1px; color: var(--muted); vertical-align: middle; }
pre.macro { background: #f0f2f5; border: 1px solid var(--line); padding: 8px; max-height: 360px; overflow: auto;
            white-space: pre-wrap; }
ul.menu-tree, ul.menu-tree ul { list-style: none; margin: 0; padding-left: 18px; border-left: 1px dotted var(--line); }
.element { font-weight: 600; }
.attribute { color: var(--muted); font-size: 12px; margin-left: 6px; }
q { quotes: none; }
footer { max-width: 1200px; margin: 24px auto; padding: 0 24px; color: var(--muted); font-size: 12px; }
)CSS";

const char kSummaryScript[] = R"JS(
(function () {
  "use strict";
  var sessionInput = document.getElementById("filter-session");
  var propertyInput = document.getElementById("filter-property");
  var shown = document.getElementById("shown");

  function cellValue(row, index, numeric) {
    var cell = row.cells[index];
    var text = cell ? (cell.getAttribute("data-sort") || cell.textContent) : "";
    return numeric ? Number(text) : text.toLowerCase();
  }

  // A click on a column's header sorts its table by that column; numbers first from the largest,
  // texts from A; a second click turns the order round.
  function sortBy(header) {
    var table = header.closest("table");
    var body = table.tBodies[0];
    var index = Array.prototype.indexOf.call(header.parentNode.cells, header);
    var numeric = header.classList.contains("num");
    var current = header.getAttribute("aria-sort");
    var descending = current ? current === "ascending" : numeric;
    Array.prototype.forEach.call(header.parentNode.cells, function (th) { th.removeAttribute("aria-sort"); });
    header.setAttribute("aria-sort", descending ? "descending" : "ascending");
    var rows = Array.prototype.slice.call(body.rows);
    rows.sort(function (a, b) {
      var x = cellValue(a, index, numeric), y = cellValue(b, index, numeric);
      var order = x < y ? -1 : x > y ? 1 : 0;
      return descending ? -order : order;
    });
    rows.forEach(function (row) { body.appendChild(row); });
  }

  function matches(text, query) { return query === "" || text.toLowerCase().indexOf(query) >= 0; }

  // The session filter keeps the sessions whose source holds its text; the property filter keeps
  // the report lines whose property or statement group holds its text, and the sessions with one.
  function applyFilters() {
    var session = sessionInput.value.trim().toLowerCase();
    var property = propertyInput.value.trim().toLowerCase();
    var count = 0, all = 0;
    document.querySelectorAll("#sessions tbody tr").forEach(function (row) {
      var keep = matches(row.getAttribute("data-source"), session) &&
                 (property === "" || matches(row.getAttribute("data-properties"), property));
      row.hidden = !keep;
      all += 1;
      count += keep ? 1 : 0;
    });
    document.querySelectorAll("#losses tbody tr").forEach(function (row) {
      row.hidden = !matches(row.getAttribute("data-property") + "\n" + row.getAttribute("data-group"), property);
    });
    document.querySelectorAll("section.session").forEach(function (section) {
      var row = document.querySelector("#sessions tr[data-section='" + section.id + "']");
      section.hidden = row ? row.hidden : false;
      section.querySelectorAll("li.line").forEach(function (line) {
        line.hidden = !matches(line.getAttribute("data-property") + "\n" + line.getAttribute("data-group"), property);
      });
      section.querySelectorAll("div.group").forEach(function (group) {
        group.hidden = group.querySelector("li.line:not([hidden])") === null;
      });
    });
    shown.textContent = count + " of " + all + " sessions shown";
  }

  document.querySelectorAll("table.sortable th").forEach(function (header) {
    header.addEventListener("click", function () { sortBy(header); });
  });
  sessionInput.addEventListener("input", applyFilters);
  propertyInput.addEventListener("input", applyFilters);

  // A link may carry the filters and a column to sort the sessions by: ?session=..&property=..&sort=..
  var query = new URLSearchParams(window.location.search);
  sessionInput.value = query.get("session") || "";
  propertyInput.value = query.get("property") || "";
  var column = query.get("sort");
  var header = column && document.querySelector("#sessions th[data-key='" + CSS.escape(column) + "']");
  if (header)
    sortBy(header);
  applyFilters();
  document.documentElement.setAttribute("data-script", "ready");
})();
)JS";
