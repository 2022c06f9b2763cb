#include "PatchPlan.h"

#include "Bytes.h"
#include "CheckTexts.h"
#include "DescriptionCheck.h"

#include "foundation/text/MbText.h"

#include <algorithm>
#include <set>

namespace {

bool isFolderName(const std::string& name)
{
    return !name.empty() && name.back() == '\\';
}

std::string folded(const std::string& name)
{
    return mb::changeCase(name.c_str(), false);
}

// The folder that holds name ("a\\b\\" for "a\\b\\c" and "a\\b\\c\\"),
// empty at the top.  The walk goes by characters: a trail byte can be "\\".
std::string parentOf(const std::string& name)
{
    const char* start = name.c_str();
    const char* end = start + name.size();
    if (isFolderName(name))
        end = mb::prev(start, end);
    const char* cut = start;
    for (const char* p = start; p < end; p = mb::next(p)) {
        if (*p == '\\')
            cut = p + 1;
    }
    return std::string(start, cut);
}

std::string withoutFinalSeparator(const std::string& name)
{
    return isFolderName(name) ? name.substr(0, name.size() - 1) : name;
}

bool isIniName(const std::string& name)
{
    std::string lower = folded(name);
    return lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".ini") == 0;
}

// The INI key the program records the new version in, if the version
// source is one, as the program's own header reader reads the U value.
struct VersionKey {
    std::string file;  // relative to the install folder
    std::string section;
    std::string key;
};

VersionKey versionKeyOf(const MakeOptions& options)
{
    if (options.versionSource.empty())
        return {};
    std::string header = "I=1;.\r\nU=" + options.versionSource + "\r\nD\r\n";
    DescriptionReport report =
        checkDescription(textOf(header), [](const std::string&) { return true; });
    const RunSettings& s = report.settings;
    std::string file = bytesOf(s.versionFile);
    std::string prefix = checktexts::kInstallFolder;
    if (s.versionSource != 1 || file.compare(0, prefix.size(), prefix) != 0)
        return {};
    return {file.substr(prefix.size()), bytesOf(s.versionSection), bytesOf(s.versionValueName)};
}

// A free name in the backup folder for each removed file: a file's
// folders may not be in the backup folder (a delete record does not make
// them), so the folders become part of the name.  Removed folders keep
// their place: their backup copy makes its folders.
class BackupNames {
public:
    std::string forRemoved(const std::string& name)
    {
        std::string flat = isFolderName(name) ? name : flattened(name);
        std::string candidate = flat;
        for (int n = 2; !used_.insert(folded(candidate)).second; ++n)
            candidate = withoutFinalSeparator(flat) + "~" + std::to_string(n) +
                        (isFolderName(flat) ? "\\" : "");
        return "%backup%" + candidate;
    }
    std::string forReplaced(const std::string& name)
    {
        used_.insert(folded(name));
        return "%backup%" + name;
    }

private:
    static std::string flattened(const std::string& name)
    {
        std::string out;
        for (const char* p = name.c_str(); *p != '\0';) {
            const char* next = mb::next(p);
            if (*p == '\\' && next == p + 1)
                out += '~';
            else
                out.append(p, next);
            p = next;
        }
        return out;
    }

    std::set<std::string> used_;
};

class Planner {
public:
    Planner(const MakeOptions& options, const ReadBytes& read)
        : options_(options), read_(read), version_(versionKeyOf(options))
    {
    }

    PatchPlan plan(const TreeDifference& difference)
    {
        for (const auto& [older, newer] : difference.caseOnly)
            warn(MakeNote::CaseOnly, older + " | " + newer);
        countRemoved(difference);
        for (const ChangedFile& file : difference.changed)
            replaced(file);
        for (const ChangedFile& file : difference.added)
            ship(file, "");
        removals(difference);
        newFolders(difference);
        return finish();
    }

private:
    void warn(MakeNote note, const std::string& detail) { plan_.warnings.push_back({note, detail}); }

    void countRemoved(const TreeDifference& difference)
    {
        for (const std::string& name : difference.removed)
            ++(isFolderName(name) ? plan_.counts.foldersRemoved : plan_.counts.removed);
        plan_.counts.foldersAdded = difference.addedFolders.size();
        plan_.counts.changed = difference.changed.size();
        plan_.counts.added = difference.added.size();
    }

    void ship(const ChangedFile& file, const std::string& backup)
    {
        std::string source = std::string(kShippedFolder) + file.name;
        plan_.shipped.push_back({source, file.newPath, file.size});
        plan_.counts.bytesShipped += file.size;
        std::string record = "u;" + source + ";" + file.name;
        copies_.push_back(backup.empty() ? record : record + ";" + backup);
    }

    void replaced(const ChangedFile& file)
    {
        std::string backup = backups_.forReplaced(file.name);
        if (options_.replaceIni || !isIniName(file.name) || !iniRecords(file))
            ship(file, backup);
    }

    // The "i" records of a changed INI file; false when it must be shipped
    // whole.
    bool iniRecords(const ChangedFile& file)
    {
        std::string before;
        std::string after;
        if (!read_(file.oldPath, before) || !read_(file.newPath, after))
            return false;
        IniDifference difference = iniDifference(IniText(before), IniText(after));
        std::vector<IniKey> written;
        for (const IniKey& key : difference.written) {
            if (isVersionKey(file.name, key))
                continue;
            if (!iniRecordCanWrite(key)) {
                warn(MakeNote::IniShippedWhole, keyText(file.name, key));
                return false;
            }
            written.push_back(key);
        }
        for (const IniKey& key : difference.removed)
            warn(MakeNote::IniKeyRemoved, keyText(file.name, key));
        for (const IniKey& key : written)
            ini_.push_back("i;" + file.name + ";" + key.section + "," + key.key + "," + key.value);
        plan_.iniFiles.push_back(file.name);
        return true;
    }

    bool isVersionKey(const std::string& file, const IniKey& key) const
    {
        return !version_.file.empty() && folded(version_.file) == folded(file) &&
               sameIniName(version_.section, key.section) && sameIniName(version_.key, key.key);
    }

    static std::string keyText(const std::string& file, const IniKey& key)
    {
        return file + " [" + key.section + "] " + key.key;
    }

    // "d" for the topmost of what the newer tree no longer has; with
    // --keep-removed only for what a new entry of the same name replaces.
    void removals(const TreeDifference& difference)
    {
        std::set<std::string> taken;
        for (const ChangedFile& file : difference.added)
            taken.insert(folded(file.name));
        for (const std::string& folder : difference.addedFolders)
            taken.insert(folded(withoutFinalSeparator(folder)));
        std::set<std::string> removedFolders;
        for (const std::string& name : difference.removed) {
            if (isFolderName(name))
                removedFolders.insert(folded(name));
        }
        for (const std::string& name : difference.removed) {
            if (removedFolders.count(folded(parentOf(name))))
                continue;
            if (options_.keepRemoved && !taken.count(folded(withoutFinalSeparator(name))))
                continue;
            removals_.push_back("d;" + name + ";" + backups_.forRemoved(name));
        }
    }

    // "m" for each new folder with nothing below it: making it makes the
    // folders above it, and a copy makes the folders its file needs.
    void newFolders(const TreeDifference& difference)
    {
        std::set<std::string> parents;
        for (const ChangedFile& file : difference.added)
            parents.insert(folded(parentOf(file.name)));
        for (const std::string& folder : difference.addedFolders)
            parents.insert(folded(parentOf(folder)));
        for (const std::string& folder : difference.addedFolders) {
            if (!parents.count(folded(folder)))
                folders_.push_back("m;" + folder);
        }
    }

    PatchPlan finish()
    {
        bool backups = !removals_.empty() || std::any_of(copies_.begin(), copies_.end(),
                                                          [](const std::string& record) {
                                                              return record.find("%backup%") !=
                                                                     std::string::npos;
                                                          });
        if (backups)
            plan_.records.push_back(std::string("c;") + kBackupPattern);
        for (std::vector<std::string>* kind : {&removals_, &folders_, &copies_, &ini_}) {
            std::sort(kind->begin(), kind->end());
            plan_.records.insert(plan_.records.end(), kind->begin(), kind->end());
        }
        std::sort(plan_.shipped.begin(), plan_.shipped.end(),
                  [](const ShippedFile& a, const ShippedFile& b) { return a.name < b.name; });
        return std::move(plan_);
    }

    const MakeOptions& options_;
    const ReadBytes& read_;
    VersionKey version_;
    BackupNames backups_;
    PatchPlan plan_;
    std::vector<std::string> removals_;
    std::vector<std::string> folders_;
    std::vector<std::string> copies_;
    std::vector<std::string> ini_;
};

}  // namespace

const char* makeNoteName(MakeNote note)
{
    switch (note) {
    case MakeNote::CaseOnly: return "case-only";
    case MakeNote::IniKeyRemoved: return "ini-key-removed";
    case MakeNote::IniShippedWhole: return "ini-shipped-whole";
    }
    return "";
}

PatchPlan planPatch(const TreeDifference& difference, const MakeOptions& options,
                    const ReadBytes& read)
{
    return Planner(options, read).plan(difference);
}

std::string descriptionText(const PatchPlan& plan, const MakeOptions& options)
{
    std::string text = "; made by brantlewick-check --make\r\n";
    if (!options.product.empty())
        text += "T=" + options.product + "\r\n";
    if (!options.version.empty())
        text += "V=" + options.version + "\r\n";
    text += "CM=150\r\nI=" + options.install + "\r\n";
    if (!options.versionSource.empty())
        text += "U=" + options.versionSource + "\r\n";
    text += "D\r\n";
    for (const std::string& record : plan.records)
        text += record + "\r\n";
    return text;
}

bool isUpdateBackup(const std::string& name)
{
    const std::string prefix = "backup";
    return name.size() == prefix.size() + 9 && name.compare(0, prefix.size(), prefix) == 0 &&
           name.back() == '\\' &&
           name.find_first_not_of("0123456789abcdef", prefix.size()) == name.size() - 1;
}
