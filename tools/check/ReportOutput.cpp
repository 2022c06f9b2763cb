#include "ReportOutput.h"

#include "Bytes.h"
#include "CheckTexts.h"
#include "Utf8.h"

#include "engine/CommandParser.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

const char* versionSourceKind(std::int32_t source)
{
    switch (source) {
    case 1: return checktexts::kSourceIni;
    case 2: return checktexts::kSourceCurrentUser;
    case 3: return checktexts::kSourceLocalMachine;
    case 4: return checktexts::kSourceSettings;
    default: return checktexts::kSourceNone;
    }
}

const char* installKind(std::int32_t type)
{
    switch (type) {
    case 1: return checktexts::kInstallKinds1;
    case 2: return checktexts::kInstallKinds2;
    case 3: return checktexts::kInstallKinds3;
    case 4: return checktexts::kInstallKinds4;
    default: return checktexts::kInstallKindsOther;
    }
}

const char* formatName(std::int32_t commandMode)
{
    switch (commandFormatOf(commandMode)) {
    case CommandFormat::CopyList: return checktexts::kFormatCopyList;
    case CommandFormat::CommandList: return checktexts::kFormatCommandList;
    case CommandFormat::None: break;
    }
    return checktexts::kFormatNone;
}

std::string versionSourceText(const RunSettings& s)
{
    std::string text = versionSourceKind(s.versionSource);
    switch (s.versionSource) {
    case 1:
        return text + bytesOf(s.versionFile) + " [" + bytesOf(s.versionSection) + "] " +
               bytesOf(s.versionValueName);
    case 2:
    case 3:
        // The key path of a registry source is kept where an INI file keeps
        // its section.
        return text + bytesOf(s.versionSection) + " " + bytesOf(s.versionValueName);
    case 4:
        return text + bytesOf(s.versionFile) + " " + bytesOf(s.versionValueName);
    default:
        return text;
    }
}

std::string joined(const std::vector<std::string>& parts, const char* between)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i ? between : "") + parts[i];
    return text;
}

std::string installText(const InstallLine& install)
{
    if (install.line == 0)
        return checktexts::kInstallNone;
    return std::string(checktexts::kInstallType) + std::to_string(install.type) +
           installKind(install.type) + ": " + joined(install.fields, " ; ");
}

// The four signature bytes in decimal.
std::string signatureText(const PatchEntry& entry, const char* between)
{
    std::vector<std::string> bytes;
    for (unsigned char byte : entry.signature)
        bytes.push_back(std::to_string(byte));
    return joined(bytes, between);
}

std::string lineLabel(int line)
{
    char label[16];
    std::snprintf(label, sizeof label, "%6d  ", line);
    return label;
}

std::string paddedKind(int kind)
{
    std::string name = commandKindName(kind);
    name.resize(std::max<std::size_t>(name.size(), 14), ' ');
    return name;
}

std::string paramsText(const CheckedCommand& command)
{
    if (command.kind == kSkippedLine)
        return command.text;
    std::vector<std::string> params(std::begin(command.params), std::end(command.params));
    while (!params.empty() && params.back().empty())
        params.pop_back();
    return joined(params, " | ");
}

}  // namespace

std::string jsonString(const std::string& cp932)
{
    std::string text = utf8FromCp932(cp932);
    std::string out = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

namespace {

void jsonHeader(const DescriptionReport& report, std::ostream& out)
{
    const RunSettings& s = report.settings;
    out << "  \"header\": {\n"
        << "    \"complete\": " << (report.headerComplete ? "true" : "false") << ",\n"
        << "    \"product\": " << jsonString(bytesOf(s.productName)) << ",\n"
        << "    \"caption\": " << jsonString(bytesOf(s.caption)) << ",\n"
        << "    \"newVersion\": "
        << (s.newVersionGiven ? jsonString(bytesOf(s.newVersion)) : std::string("null")) << ",\n"
        << "    \"versionSource\": {\"type\": " << s.versionSource
        << ", \"file\": " << jsonString(bytesOf(s.versionFile))
        << ", \"section\": " << jsonString(bytesOf(s.versionSection))
        << ", \"name\": " << jsonString(bytesOf(s.versionValueName)) << "},\n"
        << "    \"install\": {\"line\": " << report.install.line << ", \"type\": " << report.install.type
        << ", \"fields\": [";
    for (std::size_t i = 0; i < report.install.fields.size(); ++i)
        out << (i ? ", " : "") << jsonString(report.install.fields[i]);
    out << "]},\n"
        << "    \"commandMode\": " << s.commandMode << "\n  },\n";
}

void jsonPatches(const RunSettings& settings, std::ostream& out)
{
    out << "  \"patches\": [";
    bool first = true;
    for (const auto& [number, entry] : settings.patchEntries) {
        out << (first ? "\n" : ",\n") << "    {\"number\": " << number
            << ", \"conditionMode\": " << entry.conditionMode
            << ", \"checkFile\": " << jsonString(bytesOf(entry.checkFile))
            << ", \"signature\": [" << signatureText(entry, ", ") << "]"
            << ", \"sourceFolder\": " << jsonString(bytesOf(entry.sourceFolder))
            << ", \"label\": " << jsonString(bytesOf(entry.label))
            << ", \"description\": " << jsonString(bytesOf(entry.description)) << "}";
        first = false;
    }
    out << (first ? "],\n" : "\n  ],\n");
}

}  // namespace

OutputEncoding consoleEncoding()
{
#ifdef _WIN32
    return [](const std::string& bytes) { return bytes; };
#else
    return utf8FromCp932;
#endif
}

const char* checkReason(CheckCode code)
{
    switch (code) {
    case CheckCode::UnknownKey: return checktexts::kUnknownKey;
    case CheckCode::LowercaseKey: return checktexts::kLowercaseKey;
    case CheckCode::SkippedCommand: return checktexts::kSkippedCommand;
    case CheckCode::NoDLine: return checktexts::kNoDLine;
    case CheckCode::VersionBeforeInstall: return checktexts::kVersionBeforeInstall;
    case CheckCode::RepeatedPatchNumber: return checktexts::kRepeatedPatchNumber;
    case CheckCode::PatchNotOffered: return checktexts::kPatchNotOffered;
    case CheckCode::VersionNotNumber: return checktexts::kVersionNotNumber;
    case CheckCode::EmptyVersionRecorded: return checktexts::kEmptyVersionRecorded;
    case CheckCode::NoCommandsRun: return checktexts::kNoCommandsRun;
    case CheckCode::EmptyCommandList: return checktexts::kEmptyCommandList;
    case CheckCode::MissingSource: return checktexts::kMissingSource;
    case CheckCode::BackupBeforeFolder: return checktexts::kBackupBeforeFolder;
    case CheckCode::BackupWithoutNumber: return checktexts::kBackupWithoutNumber;
    case CheckCode::CopyLineIsBackupFolder: return checktexts::kCopyLineIsBackupFolder;
    case CheckCode::PathLeavesFolder: return checktexts::kPathLeavesFolder;
    case CheckCode::SignatureNotFourNumbers: return checktexts::kSignatureNotFourNumbers;
    case CheckCode::NotShiftJis: return checktexts::kNotShiftJis;
    }
    return "";
}

void writeTextReport(const DescriptionReport& report, std::ostream& out, OutputEncoding encode)
{
    const RunSettings& s = report.settings;
    auto line = [&](const std::string& text) { out << encode(text) << "\n"; };
    line(checktexts::kProduct + bytesOf(s.productName));
    line(checktexts::kCaption + bytesOf(s.caption));
    line(checktexts::kNewVersion +
         (s.newVersionGiven ? bytesOf(s.newVersion) : std::string(checktexts::kNoNewVersion)));
    line(checktexts::kVersionSource + versionSourceText(s));
    line(checktexts::kInstall + installText(report.install));
    line(checktexts::kFormat + std::to_string(s.commandMode) + "): " + formatName(s.commandMode));
    if (s.patchEntries.size() > 0) {
        line(checktexts::kPatches);
        for (const auto& [number, entry] : s.patchEntries) {
            line("  " + std::to_string(number) + ": " + bytesOf(entry.label) + " | " +
                 bytesOf(entry.checkFile) + " | " + signatureText(entry, " ") + " | " +
                 bytesOf(entry.sourceFolder) + " | " + bytesOf(entry.description));
        }
    }
    if (!report.commands.empty()) {
        line(checktexts::kCommands);
        for (const CheckedCommand& command : report.commands)
            line(lineLabel(command.line) + paddedKind(command.kind) + paramsText(command));
    }
    writeTextWarnings(report, out, encode);
}

void writeTextWarnings(const DescriptionReport& report, std::ostream& out, OutputEncoding encode)
{
    auto line = [&](const std::string& text) { out << encode(text) << "\n"; };
    if (report.warnings.empty()) {
        line(checktexts::kNoWarnings);
        return;
    }
    line(checktexts::kWarnings + std::to_string(report.warnings.size()));
    for (const CheckWarning& warning : report.warnings) {
        std::string where = warning.line > 0 ? lineLabel(warning.line)
                                             : std::string(checktexts::kWholeFile) + "  ";
        std::string text = where + checkCodeName(warning.code) + "  " + checkReason(warning.code);
        if (!warning.detail.empty())
            text += "  " + warning.detail;
        line(text);
    }
}

void writeJsonReport(const DescriptionReport& report, std::ostream& out)
{
    out << "{\n";
    jsonHeader(report, out);
    jsonPatches(report.settings, out);
    out << "  \"commands\": [";
    for (std::size_t i = 0; i < report.commands.size(); ++i) {
        const CheckedCommand& c = report.commands[i];
        out << (i ? ",\n" : "\n") << "    {\"line\": " << c.line << ", \"kind\": \""
            << commandKindName(c.kind) << "\", \"params\": [" << jsonString(c.params[0]) << ", "
            << jsonString(c.params[1]) << ", " << jsonString(c.params[2])
            << "], \"text\": " << jsonString(c.text) << "}";
    }
    out << (report.commands.empty() ? "],\n" : "\n  ],\n") << "  \"warnings\": ";
    writeJsonWarnings(report, out);
    out << "\n}\n";
}

void writeJsonWarnings(const DescriptionReport& report, std::ostream& out)
{
    out << "[";
    for (std::size_t i = 0; i < report.warnings.size(); ++i) {
        const CheckWarning& w = report.warnings[i];
        out << (i ? ",\n" : "\n") << "    {\"line\": " << w.line << ", \"code\": \""
            << checkCodeName(w.code) << "\", \"message\": " << jsonString(checkReason(w.code))
            << ", \"detail\": " << jsonString(w.detail) << "}";
    }
    out << (report.warnings.empty() ? "]" : "\n  ]");
}
