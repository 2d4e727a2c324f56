// Unpacks an archive (any format and filter libarchive reads) into a folder,
// with a counting pass first so that progress can be reported as entries
// extracted against the total, through the process-wide Notify_Adapter.
#pragma once

#include <string>

struct archive;

// Both fields must be non-empty; the caller fills and owns them.
struct ExtractRequest {
    std::string destination;  // folder the entries are written below
    std::string archive;      // path of the archive file to read
};

// Writes every entry of request.archive below request.destination.
// Emits the dialog text once before counting, then (total, current) after
// each entry. 0 when every entry was written; -1 on any failure (entries
// written before the failure stay on disk).
int ExtractArchive(const ExtractRequest &request);

// Number of entries read before the first header that is not ARCHIVE_OK;
// -1 on an invalid request or when the archive cannot be opened.
int CountArchiveEntries(const ExtractRequest &request);

// Prints every entry's path name, one a line, on standard output.
// 0; -1 on an invalid request or when the archive cannot be opened.
int ListArchiveEntries(const ExtractRequest &request);

// Copies the current entry's data from reader to writer, block by block.
// 0 at the end of the entry's data; -1 on failure or a missing handle.
int CopyArchiveData(struct archive *reader, struct archive *writer);
