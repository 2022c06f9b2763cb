#include "HeaderReader.h"

#include "AppTexts.h"
#include "HeaderSyntax.h"

namespace {

// The value of a one-value key, up to ";"; false when it is empty.
bool cutValue(FCString& line, FCString& value)
{
    header::moveToValue(line);
    return line.cutToken(value, ";") != nullptr;
}

void setText(FCString& line, FCString& target)
{
    FCString value;
    if (cutValue(line, value))
        target = value;
}

// H=number,label,target: only number 0 sets the help button.
void readHelp(FCString& line, RunSettings& settings)
{
    FCString value;
    if (!cutValue(line, value))
        return;
    FCString parts[3];
    int count = value.splitFields(parts, 3, ",", true, false, " \t");
    if (count == 0 || parts[0].toInt() != 0)
        return;
    if (count > 1)
        settings.helpLabel = parts[1];
    if (count > 2)
        settings.helpTarget = parts[2];
}

// The signature of an M line: up to four numbers separated by blanks, each
// kept to its low 8 bits; missing numbers are 0.
void readSignature(const FCString& text, unsigned char signature[4])
{
    FCString scan(text);
    scan.rewind();
    FCString numbers[4];
    int count = scan.splitFields(numbers, 4, " ", false, false, " ");
    for (int i = 0; i < 4; ++i)
        signature[i] = i < count ? static_cast<unsigned char>(numbers[i].toUnsigned() & 0xFF) : 0;
}

// M=number;mode;checkFile;signature;sourceFolder;label;description.  Fields
// missing at the end keep the values of a new entry.
void readPatchEntry(FCString& line, RunSettings& settings)
{
    enum { Number, Mode, CheckFile, Signature, SourceFolder, Label, Description, FieldCount };
    header::moveToValue(line);
    FCString fields[FieldCount];
    int count = 0;
    while (count < FieldCount && header::cutField(line, fields[count]))
        ++count;
    if (count == 0)
        return;
    PatchEntry entry;
    entry.number = fields[Number].toInt();
    if (count > Mode)
        entry.conditionMode = fields[Mode].toInt();
    if (count > CheckFile)
        entry.checkFile = fields[CheckFile];
    if (count > Signature && entry.conditionMode == 0)
        readSignature(fields[Signature], entry.signature);
    if (count > SourceFolder)
        entry.sourceFolder = fields[SourceFolder];
    if (count > Label)
        entry.label = fields[Label];
    if (count > Description)
        entry.description = fields[Description];
    settings.patchEntries.insert(entry);
}

// The key name of an S line: the text up to the first "=", blank or tab,
// in any case.
HeaderKey siteKeyOf(FCString& line)
{
    FCString name;
    if (line.cutToken(name, "= \t") == nullptr)
        return HeaderKey::Other;
    name.toUpper();
    if (name.equals("SITE_URL"))
        return HeaderKey::SiteUrl;
    if (name.equals("SITE_EXPL"))
        return HeaderKey::SiteLabel;
    return HeaderKey::Other;
}

// SITE_URL=text or SITE_EXPL=text: the value runs from behind the name and
// every "=", blank and tab to a tab or the end of the line.
void readSite(FCString& line, FCString& target)
{
    line.rewind();
    FCString name;
    line.cutToken(name, "= \t");
    line.skipSet("= \t");
    FCString value;
    if (line.cutToken(value, "\t") != nullptr)
        target = value;
}

void readNewVersion(FCString& line, RunSettings& settings)
{
    setText(line, settings.newVersion);
    settings.newVersionGiven = true;
}

void readCommandMode(FCString& line, RunSettings& settings)
{
    FCString value;
    if (cutValue(line, value))
        settings.commandMode = value.toInt();
}

enum class LineEffect { Continue, EndOfHeader, InstallFailed };

LineEffect dispatch(HeaderKey key, FCString& line, RunSettings& settings,
                    HeaderLineHandler& handler, int& installResult)
{
    switch (key) {
    case HeaderKey::Caption:
        setText(line, settings.caption);
        break;
    case HeaderKey::CommandMode:
        readCommandMode(line, settings);
        break;
    case HeaderKey::End:
        settings.headerComplete = true;
        return LineEffect::EndOfHeader;
    case HeaderKey::Executable:
        setText(line, settings.executableName);
        break;
    case HeaderKey::Help:
        readHelp(line, settings);
        break;
    case HeaderKey::Install:
        header::moveToValue(line);
        installResult = handler.installLine(settings, line);
        if (installResult != 0)
            return LineEffect::InstallFailed;
        break;
    case HeaderKey::Patch:
        readPatchEntry(line, settings);
        break;
    case HeaderKey::SiteUrl:
        readSite(line, settings.siteUrl);
        break;
    case HeaderKey::SiteLabel:
        readSite(line, settings.siteLabel);
        break;
    case HeaderKey::Product:
        setText(line, settings.productName);
        break;
    case HeaderKey::VersionSource:
        header::moveToValue(line);
        if (*line.rest() != '\0')
            handler.versionSourceLine(settings, line);
        break;
    case HeaderKey::NewVersion:
        readNewVersion(line, settings);
        break;
    case HeaderKey::Other:
        // Comments (";"), lower-case letters and keys this program does not
        // know are passed over without a word.
        break;
    }
    return LineEffect::Continue;
}

}  // namespace

HeaderKey headerKeyOf(FCString& line)
{
    line.rewind();
    HeaderKey key = HeaderKey::Other;
    switch (line.currentChar()) {
    case 'C': {
        std::uint32_t sub = line.move(1, 0);
        if (sub == 'A')
            key = HeaderKey::Caption;
        else if (sub == 'M')
            key = HeaderKey::CommandMode;
        break;
    }
    case 'D':
        key = HeaderKey::End;
        break;
    case 'E':
        key = HeaderKey::Executable;
        break;
    case 'H':
        key = HeaderKey::Help;
        break;
    case 'I':
        key = HeaderKey::Install;
        break;
    case 'M':
        key = HeaderKey::Patch;
        break;
    case 'S':
        key = siteKeyOf(line);
        break;
    case 'T':
        key = HeaderKey::Product;
        break;
    case 'U':
        key = HeaderKey::VersionSource;
        break;
    case 'V':
        key = HeaderKey::NewVersion;
        break;
    default:
        break;
    }
    line.rewind();
    return key;
}

void applyHeaderDefaults(RunSettings& settings)
{
    if (settings.caption.empty())
        settings.caption = apptexts::kDefaultCaption;
    if (settings.executableName.empty())
        settings.executableName = apptexts::kDefaultExecutableName;
    if (settings.helpLabel.empty())
        settings.helpLabel = apptexts::kDefaultHelpLabel;
}

HeaderResult readHeader(FCString& description, RunSettings& settings, HeaderLineHandler& handler)
{
    settings.commandMode = 100;
    FCString line;
    while (description.readLine(line, true, false)) {
        int installResult = 0;
        HeaderKey key = headerKeyOf(line);
        handler.lineRead(key, line);
        switch (dispatch(key, line, settings, handler, installResult)) {
        case LineEffect::Continue:
            continue;
        case LineEffect::InstallFailed:
            return {HeaderEnd::InstallFailed, installResult};
        case LineEffect::EndOfHeader:
            applyHeaderDefaults(settings);
            return {HeaderEnd::DLine, 0};
        }
    }
    applyHeaderDefaults(settings);
    return {HeaderEnd::NoMoreLines, 0};
}
