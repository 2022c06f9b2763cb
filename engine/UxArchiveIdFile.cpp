#include "UxArchiveIdFile.h"

#include "EngineTexts.h"

#include "foundation/dialogs/UxProgressDialog.h"
#include "foundation/files/FCFileUty.h"
#include "foundation/files/HeapBlock.h"
#include "foundation/files/PartFile.h"
#include "foundation/system/FCFileEnumeration.h"
#include "foundation/system/FCHeap.h"
#include "foundation/system/FCPathName.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

namespace {

// The piece in which files are read and written, and the one buffer of a
// build.
const std::uint32_t kCopyChunk = 0x400000;
// The largest index that is read: its bytes are read into one block.
const std::uint64_t kLargestIndex = 0xFFFFFFFFu;

FCString withSeparator(const FCString& folder)
{
    FCPathName path(folder);
    if (path.endsWithoutSeparator())
        path.addSeparator();
    return path.path();
}

// The bytes of the open file, from its position to its end, into block;
// how many there were.
std::size_t readAll(FCFile& file, char* block, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        auto piece = static_cast<std::uint32_t>(std::min<std::size_t>(size - got, kCopyChunk));
        std::uint32_t n = file.read(block + got, piece);
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

// Appends at most size bytes of the file at path (as many as it held when
// it was gathered) to target through buffer, counting them into copied.
// False when target stopped taking bytes.
bool appendFile(const FCString& path, std::uint32_t size, FCFile& target, char* buffer,
                std::uint32_t& copied)
{
    FCFile source;
    source.openForRead(path.text());
    copied = 0;
    while (copied < size) {
        std::uint32_t n = source.read(buffer, std::min(size - copied, kCopyChunk));
        if (n == 0)
            break;
        if (!target.writeAll(buffer, n))
            return false;
        copied += n;
    }
    return true;
}

// Points settings.progress at a stage's dialog for as long as the stage
// lasts.
class StageProgress {
public:
    StageProgress(ArchiveSettings& settings, UxProgressDialog* dialog) : settings_(settings)
    {
        settings_.progress = dialog;
    }
    StageProgress(const StageProgress&) = delete;
    StageProgress& operator=(const StageProgress&) = delete;
    ~StageProgress() { settings_.progress = nullptr; }

private:
    ArchiveSettings& settings_;
};

// Tells the user how many files had an id that another file had already
// taken, and once the box is closed lists them on the debugger's output as
// "size:path".
void reportDuplicates(FCNList<UxPairIntString>& duplicates)
{
    if (duplicates.count() == 0)
        return;
    FCString text;
    text.appendInt(duplicates.count());
    text.append(texts::kArchiveDuplicates);
    MessageBoxA(nullptr, text.text(), text.text(), MB_OK | MB_SETFOREGROUND | MB_TASKMODAL);
    FCNListIterator<UxPairIntString> it(duplicates);
    while (UxPairIntString* file = it.next()) {
        FCString line;
        line.appendUnsigned(static_cast<std::uint32_t>(file->value));
        line.append(":");
        line.append(file->text.text());
        line.append("\n");
        OutputDebugStringA(line.text());
    }
}

// The file that entries stands on joins files when its name and size
// qualify it.  Its size is the one the listing gives, the system's 64-bit
// size of the file: opening every file once more to ask for it would cost
// a quarter of the build.
void consider(FCFileEnumeration& entries, ArchiveFileMap& files, FCNList<UxPairIntString>& duplicates,
              const ArchiveSettings& settings)
{
    const WIN32_FIND_DATAA& entry = entries.data();
    FCString name(entry.cFileName);
    if (!name.startsWithDigit())
        return;
    std::int32_t id = name.toInt();
    if (id < settings.firstId || id > settings.lastId)
        return;
    if (!archiveindex::nameFitsId(entry.cFileName, id, settings.nameDigits, settings.resourceKind))
        return;
    std::uint64_t size = static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32 | entry.nFileSizeLow;
    if (size >= settings.maxFileSize)
        return;
    UxPairIntString file(static_cast<std::int32_t>(size), entries.fullPath());
    if (!files.emplace(id, file).second)
        duplicates.addLast(file);
}

}  // namespace

// ---------------------------------------------------------------------------
// UxArchiveIdFileTable

UxArchiveIdFileTable::~UxArchiveIdFileTable()
{
    release();
}

void UxArchiveIdFileTable::release()
{
    FCHeap::free(entries_);
    entries_ = nullptr;
}

bool UxArchiveIdFileTable::setup(std::int32_t group, std::int32_t firstId, std::int32_t count)
{
    if (!archiveindex::idsFit(firstId, count))
        return false;
    std::uint32_t* entries = nullptr;
    if (count > 0) {
        entries = static_cast<std::uint32_t*>(
            FCHeap::malloc(static_cast<std::size_t>(count) * archiveindex::kEntryBytes, HEAP_ZERO_MEMORY));
        if (entries == nullptr)
            return false;
    }
    release();
    entries_ = entries;
    group_ = group;
    count_ = count;
    // idsFit keeps the last id (firstId - 1 for an empty table) in range.
    ids_ = FCRange<int>(firstId, static_cast<int>(static_cast<std::int64_t>(firstId) + count - 1));
    return true;
}

bool UxArchiveIdFileTable::read(const archiveindex::TableView& view)
{
    if (!setup(view.group, view.firstId, view.count))
        return false;
    if (count_ > 0)
        std::memcpy(entries_, view.entries, static_cast<std::size_t>(count_) * archiveindex::kEntryBytes);
    return true;
}

bool UxArchiveIdFileTable::setEntry(std::int32_t id, std::uint32_t offset, std::uint32_t size)
{
    if (!ids_.contains(id))
        return false;
    std::uint32_t* entry = entries_ + 2 * static_cast<std::size_t>(id - ids_.first);
    entry[0] = offset;
    entry[1] = size;
    return true;
}

bool UxArchiveIdFileTable::write(FCFile& file) const
{
    unsigned char header[archiveindex::kTableHeaderBytes];
    archiveindex::putTableHeader(header, group_, ids_.first, count_);
    return file.writeAll(header, sizeof header) &&
           (count_ == 0 ||
            file.writeAll(entries_, static_cast<std::uint32_t>(count_) * archiveindex::kEntryBytes));
}

// ---------------------------------------------------------------------------
// UxArchiveIdFile

void UxArchiveIdFile::setProgress(HWND owner, std::int32_t progressTemplate, std::int32_t textId,
                                  std::int32_t barId)
{
    owner_ = owner;
    progressTemplate_ = progressTemplate;
    textId_ = textId;
    barId_ = barId;
}

bool UxArchiveIdFile::load(const char* indexPath)
{
    FCPathName path(indexPath);
    if (!FCFile::isFile(path.path().text()))
        return false;
    FCFile file;
    file.openForRead(path.text());
    std::uint64_t size = file.size();
    if (size > kLargestIndex)
        return false;
    HeapBlock bytes(static_cast<std::size_t>(size));
    if (bytes.data() == nullptr)
        return false;
    std::size_t got = readAll(file, bytes.data(), static_cast<std::size_t>(size));
    archiveindex::Contents contents;
    if (!archiveindex::read(reinterpret_cast<const unsigned char*>(bytes.data()), got, contents))
        return false;
    std::vector<std::unique_ptr<UxArchiveIdFileTable>> loaded;
    for (const archiveindex::TableView& view : contents.tables) {
        loaded.push_back(std::make_unique<UxArchiveIdFileTable>());
        if (!loaded.back()->read(view))
            return false;
    }
    header_ = contents.header;
    tables_.clear();
    for (std::unique_ptr<UxArchiveIdFileTable>& table : loaded)
        tables_.addLast(table.release(), true);
    path.folderPart(folder_, true);
    return true;
}

bool UxArchiveIdFile::matches(const ArchiveSettings& settings) const
{
    // The index keeps the name digits in 16 bits, so 0xFFFF there is -1,
    // "every name".
    return static_cast<std::int16_t>(header_.nameDigits) == settings.nameDigits &&
           header_.resourceKind == settings.resourceKind;
}

int UxArchiveIdFile::build(ArchiveSettings& settings)
{
    if (!matches(settings))
        return kMismatch;
    if (!archiveindex::hasFileOfItsOwn(settings.groupNumber))
        return kNoFileOfItsOwn;
    FCString input;
    FCString output;
    int folders = checkFolders(input, output, settings);
    if (folders != kBuilt)
        return folders;

    ArchiveFileMap files;
    FCNList<UxPairIntString> duplicates;
    gatherWithProgress(input, files, duplicates, settings);
    if (files.empty())
        return kNothingGathered;

    HeapBlock buffer(kCopyChunk);
    auto table = std::make_unique<UxArchiveIdFileTable>();
    std::int64_t count = static_cast<std::int64_t>(settings.lastId) - settings.firstId + 1;
    if (buffer.data() == nullptr || count > std::numeric_limits<std::int32_t>::max() ||
        !table->setup(settings.groupNumber, settings.firstId, static_cast<std::int32_t>(count)))
        return kNoMemory;
    // Made only now, so that a build that finds nothing to write leaves no
    // trace.
    if (!FCFile::isFolder(output.text()) && !FCFile::createFolders(output.text()))
        return kNoOutputFolder;
    // The new group file and the new index are written whole beside the old
    // ones and take their places together, last: a build that stops before
    // (cancelled, out of room, Cancel in a file's box) leaves the archive as
    // it was.
    FCString groupPath(output);
    archiveindex::groupFileName(groupPath, settings.resourceKind, settings.groupNumber);
    PartFile group(groupPath.text());
    int written = writeGroup(files, *table, buffer.data(), settings, group.file());
    if (written != kBuilt)
        return written;

    removeGroup(settings.groupNumber);
    tables_.addLast(table.release(), true);
    PartFile index(indexPath(output.text()).text());
    // Both old files must be free before either is replaced: an index held
    // by another program must not stay behind a group file that changed.
    if (!writeIndex(index.file()) || !group.mayPlace() || !index.mayPlace() || !group.place() ||
        !index.place())
        return kNotWritten;
    reportDuplicates(duplicates);
    return kBuilt;
}

int UxArchiveIdFile::checkFolders(FCString& input, FCString& output,
                                  const ArchiveSettings& settings) const
{
    input = withSeparator(settings.inputFolder);
    output = withSeparator(settings.outputFolder);
    if (!FCFile::isFolder(input.text()))
        return kNoInputFolder;
    bool mayCreate = (settings.options & ArchiveSettings::kCreateOutputFolder) != 0;
    return FCFile::isFolder(output.text()) || mayCreate ? kBuilt : kNoOutputFolder;
}

std::unique_ptr<UxProgressDialog> UxArchiveIdFile::openDialog(const char* title, const char* text,
                                                             std::int32_t steps, bool allowCancel) const
{
    if (progressTemplate_ <= 0)
        return nullptr;
    auto dialog = std::make_unique<UxProgressDialog>(static_cast<std::uint16_t>(progressTemplate_));
    dialog->title = title;
    dialog->configureBar(barId_, steps > 0, 0, 0, steps);
    dialog->setMessage(textId_, text);
    dialog->create(owner_, allowCancel);
    dialog->pump();
    return dialog;
}

void UxArchiveIdFile::gatherWithProgress(const FCString& input, ArchiveFileMap& files,
                                         FCNList<UxPairIntString>& duplicates,
                                         ArchiveSettings& settings) const
{
    std::unique_ptr<UxProgressDialog> dialog =
        openDialog(texts::kArchiveGatherTitle, texts::kArchiveGatherText, 0, false);
    StageProgress stage(settings, dialog.get());
    gather(input, files, duplicates, settings);
}

void UxArchiveIdFile::gather(const FCString& folder, ArchiveFileMap& files,
                             FCNList<UxPairIntString>& duplicates, const ArchiveSettings& settings)
{
    if (folder.empty() || settings.maxFileSize == 0)
        return;
    if (settings.progress != nullptr) {
        settings.progress->showItemText(folder.text());
        settings.progress->pump();
    }
    FCString base = withSeparator(folder);
    if ((settings.options & ArchiveSettings::kFromSubfolders) != 0) {
        FCString everything(base);
        everything.append("*");
        FCFileEnumeration subfolders;
        subfolders.open(everything.text());
        while (subfolders.findNextFolder())
            gather(subfolders.fullPath(), files, duplicates, settings);
    }
    FCString pattern(base);
    pattern.append("*");
    archiveindex::kindExtension(pattern, settings.resourceKind, true);
    FCFileEnumeration entries;
    entries.open(pattern.text());
    while (entries.findNext()) {
        // A folder whose name looks like an input file holds no data.
        if ((entries.data().dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            consider(entries, files, duplicates, settings);
    }
}

int UxArchiveIdFile::writeGroup(const ArchiveFileMap& files, UxArchiveIdFileTable& table,
                                char* buffer, const ArchiveSettings& settings, FCFile& group) const
{
    bool allowCancel = (settings.options & ArchiveSettings::kCannotCancel) == 0;
    std::unique_ptr<UxProgressDialog> dialog = openDialog(
        texts::kArchiveWriteTitle, texts::kArchiveWriteText, static_cast<std::int32_t>(files.size()),
        allowCancel);
    std::uint32_t offset = 0;
    for (const auto& [id, file] : files) {
        if (dialog != nullptr)
            dialog->showItemText(file.text.text());
        auto size = static_cast<std::uint32_t>(file.value);
        // The entries count in 32 bits: data that would end past 4 GiB could
        // not be found again, so such a file is left out like a large one.
        if (size <= std::numeric_limits<std::uint32_t>::max() - offset) {
            std::uint32_t copied = 0;
            if (!appendFile(file.text, size, group, buffer, copied))
                return kNotWritten;
            table.setEntry(id, offset, copied);
            offset += copied;
        }
        if (dialog != nullptr) {
            dialog->progress.stepIt();
            dialog->pump();
            if (dialog->cancelled())
                return kCancelled;
        }
    }
    return kBuilt;
}

FCString UxArchiveIdFile::indexPath(const char* folder) const
{
    FCString path = withSeparator(FCString(folder));
    archiveindex::groupFileName(path, header_.resourceKind, 0);
    return path;
}

bool UxArchiveIdFile::writeIndex(FCFile& file)
{
    unsigned char header[archiveindex::kHeaderBytes];
    archiveindex::putHeader(header, header_, tables_.count());
    bool written = file.writeAll(header, sizeof header);
    FCXListIterator<UxArchiveIdFileTable> it(tables_);
    while (UxArchiveIdFileTable* table = it.next())
        written = table->write(file) && written;
    return written;
}

bool UxArchiveIdFile::save(const char* folder)
{
    // Whole or not at all, as the build puts it in place.
    PartFile file(indexPath(folder).text());
    return writeIndex(file.file()) && file.place();
}

void UxArchiveIdFile::removeGroup(std::int32_t group)
{
    // An index from elsewhere may hold a group twice; no table of the group
    // may stay to point into the file that replaces it.
    FCXListIterator<UxArchiveIdFileTable> it(tables_);
    while (UxArchiveIdFileTable* table = it.next()) {
        if (table->group() == group)
            tables_.remove(table, true);
    }
}
