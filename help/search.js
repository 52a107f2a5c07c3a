// Topic search over KESTO_HELP_INDEX (search-index.js): finds the sections that hold every word
// of the query, best matches first. Runs in the browser from the local files, no network.
(function () {
  "use strict";

  function fold(text) {
    return text.toLowerCase().normalize("NFD").replace(/[\u0300-\u036f]/g, "");
  }

  function words(query) {
    return fold(query).split(/[^a-z0-9]+/).filter(function (w) { return w.length > 0; });
  }

  function escapeHtml(text) {
    return text.replace(/[&<>"]/g, function (c) {
      return { "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" }[c];
    });
  }

  // Whole words and word beginnings count: "curtain" finds "curtains", "col" finds "colors".
  function countHits(foldedText, word) {
    var re = new RegExp("(^|[^a-z0-9])" + word, "g");
    var n = 0;
    while (re.exec(foldedText) !== null) { n++; }
    return n;
  }

  function score(entry, query) {
    var heading = fold(entry.title + " " + entry.heading);
    var text = fold(entry.text);
    var total = 0;
    for (var i = 0; i < query.length; i++) {
      var inHeading = countHits(heading, query[i]);
      var inText = countHits(text, query[i]);
      if (inHeading + inText === 0) { return 0; }
      total += 5 * inHeading + inText;
    }
    return total;
  }

  function snippet(entry, query) {
    var text = entry.text;
    var folded = fold(text);
    var at = folded.indexOf(query[0]);
    var start = Math.max(0, at - 80);
    var piece = (start > 0 ? "... " : "") + text.substr(start, 240) +
        (start + 240 < text.length ? " ..." : "");
    var shown = escapeHtml(piece);
    query.forEach(function (w) {
      shown = shown.replace(new RegExp("(^|[^A-Za-z0-9])(" + w + "[A-Za-z0-9]*)", "gi"),
                            "$1<mark>$2</mark>");
    });
    return shown;
  }

  function search(queryText) {
    var query = words(queryText);
    var list = document.getElementById("results");
    var status = document.getElementById("status");
    list.innerHTML = "";
    if (query.length === 0) {
      status.textContent = "Type one or more words, for example: curtain cards, language, DLM.";
      return;
    }
    var found = [];
    KESTO_HELP_INDEX.forEach(function (entry) {
      var s = score(entry, query);
      if (s > 0) { found.push({ entry: entry, score: s }); }
    });
    found.sort(function (a, b) { return b.score - a.score; });
    status.textContent = found.length === 0
        ? "No topic holds all of these words. Try fewer or shorter words."
        : found.length + (found.length === 1 ? " topic found." : " topics found.");
    found.forEach(function (hit) {
      var e = hit.entry;
      var item = document.createElement("li");
      var href = e.page + (e.anchor ? "#" + e.anchor : "");
      var heading = e.heading === e.title ? e.title : e.title + ": " + e.heading;
      item.innerHTML = '<a href="' + href + '">' + escapeHtml(heading) + "</a>" +
          '<div class="where">' + snippet(e, query) + "</div>";
      list.appendChild(item);
    });
  }

  window.addEventListener("DOMContentLoaded", function () {
    var box = document.getElementById("query");
    var form = document.getElementById("search");
    var fromUrl = new URLSearchParams(window.location.search).get("q") || "";
    box.value = fromUrl;
    form.addEventListener("submit", function (event) {
      event.preventDefault();
      search(box.value);
    });
    box.addEventListener("input", function () { search(box.value); });
    search(box.value);
    box.focus();
  });
})();
