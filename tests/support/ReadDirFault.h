#pragma once

namespace qb::test {

// Makes one reading of a folder fail with an I/O error, as a damaged disk would: after
// `successfulReads` more entries have been read anywhere in this program, the next read fails
// once. A root user provokes no read error by taking permissions away, so tests of that path
// need this.
void failFolderReadAfter(int successfulReads);

// True when the armed failure has not happened yet.
bool folderReadFailurePending();

} // namespace qb::test
