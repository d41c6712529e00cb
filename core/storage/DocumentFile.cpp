#include "storage/DocumentFile.h"

#include "storage/DrawFile.h"
#include "storage/PathParts.h"

#include <stdexcept>

namespace lottery {

void OpenDocument(LotteryDocument& document, const std::string& path, FileSystem& fs) {
    // Read and check everything before touching the document, so a failing open leaves it
    // exactly as it was.
    DrawFileContent content = ReadDrawFile(path, fs);
    document.AdoptOpened(std::move(content), path, FileNamePart(path));
}

void SaveDocument(LotteryDocument& document, FileSystem& fs) {
    if (!document.named())
        throw std::logic_error("an unnamed document is saved under a new name");
    WriteDrawFile(document.filePath(), document.draws(), document.shape(),
                  document.trailerReserved(), fs);
    document.MarkSaved();
}

void SaveDocumentAs(LotteryDocument& document, const std::string& path, FileSystem& fs) {
    WriteDrawFile(path, document.draws(), document.shape(), document.trailerReserved(), fs);
    document.MarkSavedAs(path, FileNamePart(path));
}

} // namespace lottery
