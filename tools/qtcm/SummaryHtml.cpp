// --html FILE.html: the run as one page for a browser. The overview (the sessions, the properties
// not carried over, the notices and reasons by kind) comes first, then a section per source. Every
// text of the run is made UTF-8 and escaped; counts carry data-count attributes, so that programs
// (the test's browser check) find them without reading the words around them.
#include "Summary.h"

#include "SummaryHtmlAssets.h"
#include "SummaryHtmlFiles.h"
#include "SummaryTables.h"
#include "SummaryText.h"
#include "platform/Files.h"

#include <map>
#include <vector>

namespace {

using summary::HtmlAttribute;
using summary::HtmlText;

// An attribute, its value escaped: name="value" with a blank in front.
std::string Attr(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + HtmlAttribute(value) + "\"";
}

std::string Cell(const std::string& text, const char* cls = nullptr)
{
    return std::string("<td") + (cls ? std::string(" class=\"") + cls + "\"" : "") + ">" + HtmlText(text) + "</td>";
}

std::string Count(const char* key, unsigned long long value, const char* tag = "td")
{
    return std::string("<") + tag + " class=\"num\" data-count=\"" + key + "\">" + std::to_string(value) + "</" + tag + ">";
}

// A table's head: each column as "key:Title", numeric ones as "#key:Title".
std::string Head(const std::vector<std::string>& columns)
{
    std::string html = "<thead><tr>";
    for (const std::string& column : columns) {
        const bool numeric = column[0] == '#';
        const std::size_t colon = column.find(':');
        const std::string key = column.substr(numeric ? 1 : 0, colon - (numeric ? 1 : 0));
        html += "<th" + Attr("data-key", key) + (numeric ? " class=\"num\"" : "") + ">" + column.substr(colon + 1) +
                "</th>";
    }
    return html + "</tr></thead>\n";
}

std::string StateClass(SourceRecord::State state) { return "state state-" + summary::StateId(state); }

std::string FileName(const std::string& path) { return path.substr(path.find_last_of("/\\") + 1); }

std::string Facts(const RunRecord& run)
{
    std::string command = "qtcm";
    for (const std::string& argument : run.arguments)
        command += " " + argument;
    const std::pair<const char*, std::string> facts[] = {
        {"Command", command}, {"Started", run.started}, {"Ended", run.ended}, {"Version", "qtcm " + run.version},
        {"Desk", run.desk},   {"Report", run.report},
    };
    std::string html = "<dl class=\"facts\">";
    for (const auto& [name, value] : facts)
        html += std::string("<dt>") + name + "</dt><dd>" + HtmlText(value) + "</dd>";
    return html + "</dl>\n";
}

std::string SessionsTable(const RunRecord& run, const std::vector<std::string>& ids)
{
    std::string html = "<table id=\"sessions\" class=\"sortable\">" +
                       Head({"source:Source", "state:State", "#unconverted:Unconverted", "#unrecognized:Unrecognized",
                             "#lines:Report lines", "#notices:Notices", "#created:Files created"}) +
                       "<tbody>\n";
    for (std::size_t i = 0; i < run.sources.size(); ++i) {
        const SourceRecord& s = run.sources[i];
        std::string properties;
        for (const ReportLine& line : s.lines)
            properties += summary::SplitLine(line.text).property + "\n" + line.group + "\n";
        html += "<tr" + Attr("data-section", ids[i]) + Attr("data-source", s.source) + Attr("data-properties", properties) +
                "><td" + Attr("data-sort", s.source) + "><a href=\"#" + ids[i] + "\">" + HtmlText(s.source) + "</a></td>" +
                Cell(summary::StateName(s.state), StateClass(s.state).c_str()) +
                Count("unconverted", s.unconverted) + Count("unrecognized", s.unrecognized) +
                Count("lines", s.lines.size()) + Count("notices", s.notices.size()) + Count("created", s.created.size()) +
                "</tr>\n";
    }
    return html + "</tbody></table>\n";
}

std::string LossesTable(const RunRecord& run)
{
    const std::vector<summary::LossRow> rows = summary::CountLosses(run);
    if (rows.empty())
        return "<p>Every property was carried over.</p>\n";
    std::string html = "<table id=\"losses\" class=\"sortable\">" +
                       Head({"property:Property", "group:Statement group", "kind:As", "#times:Times",
                             "#sessions:Sessions"}) +
                       "<tbody>\n";
    for (const summary::LossRow& row : rows)
        html += "<tr" + Attr("data-property", row.property) + Attr("data-group", row.group) + "><td><code>" +
                HtmlText(row.property) + "</code></td>" + Cell(row.group) + Cell(row.kind) +
                Count("times", row.times) + Count("sessions", row.sessions) + "</tr>\n";
    return html + "</tbody></table>\n";
}

std::string KindsTable(const std::string& title, const std::string& id, const std::vector<summary::KindRow>& rows)
{
    if (rows.empty())
        return {};
    std::string html = "<h2>" + title + "</h2>\n<table" + Attr("id", id) + " class=\"sortable\">" +
                       Head({"kind:Kind", "#times:Times", "#sessions:Sessions"}) + "<tbody>\n";
    for (const summary::KindRow& row : rows)
        html += "<tr>" + Cell(row.kind) + Count("times", row.times) + Count("sessions", row.sessions) + "</tr>\n";
    return html + "</tbody></table>\n";
}

// The report lines by statement group, groups in the order they first came.
std::string LinesHtml(const SourceRecord& source)
{
    std::vector<std::string> order;
    std::map<std::string, std::string> items;
    for (const ReportLine& line : source.lines) {
        const summary::LineParts parts = summary::SplitLine(line.text);
        if (!items.count(line.group))
            order.push_back(line.group);
        const std::size_t tab = line.text.find('\t');
        const std::string shown = tab == std::string::npos ? line.text : line.text.substr(tab + 1);
        items[line.group] += "<li class=\"line\"" + Attr("data-group", line.group) +
                             Attr("data-property", parts.property) + "><span class=\"kind kind-" + parts.kind + "\">" +
                             parts.kind + "</span> <code>" + HtmlText(shown) + "</code></li>\n";
    }
    std::string html;
    for (const std::string& group : order)
        html += "<div class=\"group\"><h4>" + HtmlText(group.empty() ? "(no statement group)" : group) +
                "</h4>\n<ul class=\"lines\">\n" + items[group] + "</ul></div>\n";
    return html;
}

std::string SourceSection(const SourceRecord& s, const std::string& id)
{
    const std::string name = FileName(s.source);
    std::string html = "<section class=\"session\"" + Attr("id", id) + Attr("data-source", s.source) + ">\n<h2>" +
                       HtmlText(name) +
                       (name == s.source ? "" : " <span class=\"path\">" + HtmlText(s.source) + "</span>") + "</h2>\n";
    html += "<dl class=\"facts\"><dt>State</dt><dd class=\"" + StateClass(s.state) + "\">" + summary::StateName(s.state) +
            "</dd>";
    if (!s.reason.empty())
        html += "<dt>Why</dt><dd>" + HtmlText(s.reason) + "</dd>";
    if (!s.desk.empty())
        html += "<dt>Desk</dt><dd>" + HtmlText(s.desk) + "</dd>";
    if (!s.sessionFile.empty())
        html += "<dt>Session file</dt><dd>" + HtmlText(s.sessionFile) + "</dd>";
    html += "<dt>Unconverted</dt>" + Count("unconverted", s.unconverted, "dd") + "<dt>Unrecognized</dt>" +
            Count("unrecognized", s.unrecognized, "dd") + "</dl>\n";
    if (!s.notices.empty()) {
        html += "<h3>Notices</h3>\n<ul class=\"notices\">\n";
        for (const std::string& notice : s.notices)
            html += "<li>" + HtmlText(notice) + "</li>\n";
        html += "</ul>\n";
    }
    if (!s.lines.empty())
        html += "<h3>Not carried over</h3>\n" + LinesHtml(s);
    if (!s.created.empty()) {
        html += "<h3>Files created</h3>\n<ul class=\"files\">\n";
        for (const std::string& file : s.created)
            html += "<li>" + HtmlText(file) + "</li>\n";
        html += "</ul>\n" + CreatedFilesHtml(s);
    }
    return html + "</section>\n";
}

// The page's head and the run's facts above the overview.
std::string Top(const RunRecord& run, const std::string& headline)
{
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>qtcm " +
           HtmlAttribute(run.command + ": " + headline) + "</title>\n<style>" + kSummaryStyle +
           "</style>\n</head>\n<body>\n<header>\n<h1>Migration summary</h1>\n<p class=\"headline\">" +
           HtmlText(headline) + "</p>\n" + Facts(run) + "</header>\n";
}

std::string Filters(std::size_t sources)
{
    return "<div class=\"filters\"><label>Session <input id=\"filter-session\" type=\"search\" "
           "placeholder=\"part of its name or path\"></label><label>Property <input id=\"filter-property\" "
           "type=\"search\" placeholder=\"part of a property or statement group\"></label><output id=\"shown\">" +
           std::to_string(sources) + " sessions</output></div>\n";
}

} // namespace

bool WriteSummaryHtml(const RunRecord& run, const std::string& path, std::string& error)
{
    const std::vector<std::string> ids = summary::SectionIds(run);
    std::string html = Top(run, summary::Headline(summary::TotalsOf(run))) + "<main>\n<h2>Sessions</h2>\n" +
                       Filters(run.sources.size()) + SessionsTable(run, ids);
    html += "<h2>Properties not carried over</h2>\n" + LossesTable(run);
    html += KindsTable("Notices by kind", "notice-kinds", summary::CountNotices(run));
    for (const summary::ReasonState& reasons : summary::kReasonStates)
        html += KindsTable(std::string(reasons.title) + ", by reason", summary::StateId(reasons.state),
                           summary::CountReasons(run, reasons.state));
    for (std::size_t i = 0; i < run.sources.size(); ++i)
        html += SourceSection(run.sources[i], ids[i]);
    html += "</main>\n<footer>Written by qtcm " + HtmlText(run.version) + " at " + HtmlText(run.ended) +
            ".</footer>\n<script>" + kSummaryScript + "</script>\n</body>\n</html>\n";

    platform::FileError failure;
    if (platform::ReplaceFileContent(path, html, failure))
        return true;
    error = failure.Describe();
    return false;
}
