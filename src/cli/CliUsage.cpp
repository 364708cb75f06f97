#include "CliUsage.h"

namespace qb {

namespace {

constexpr std::string_view kUsage =
    R"(usage: quillbarrow-cli COMMAND DIR [DIR_B | TEXT] [OPTION ...]
       quillbarrow-cli --help | --version

  new DIR [--system-code C] [--host N] [--force]
      Write into DIR exactly the file set that "Data export" writes right after start-up
      under system code C (0, 1 or 2; default 2, as the Mode Selection dialog offers) for
      host N (1..254, default 1).
  finalize DIR [--system-code C] [--host N] [--out DIR2] [--force]
      "Load Data" from DIR, then "Data export" into DIR2 (default DIR): every checksum is
      computed again, for instance after page saves.
  export-devices DIR [--system-code C] [--host N] --workbook FILE
      "Load Data" from DIR, then write the device records of IO boards 1..40 into the
      workbook FILE (.xls): the values of each row whose Addr matches a device; a missing
      workbook or sheet is created. The previous workbook is kept beside it with ".bak"
      before its extension (devices.bak.xls). A set that does not load without problems
      is not written.
  import-devices DIR [--system-code C] [--host N] --workbook FILE [--out DIR2] [--force]
      "Load Data" from DIR, read the device records of IO boards 1..40 from the workbook
      FILE, then "Data export" into DIR2 (default DIR). A set that does not load without
      problems or a failed import exports nothing.
  inspect DIR [--host N] [--json]
      One line per file of the host's set: name, size, tag, format bytes and checksum
      ("ok", "mismatch" or "not computed"). Files every export writes are listed as
      "missing" when absent; a file that is there but cannot be read, as "unreadable" with
      the reason. --json prints the same as an array of objects.
  dump DIR [--system-code C] [--host N] [--json]
      The configuration loaded from DIR, readable: zones, hosts, displays, IO boards,
      registered devices, linkage rules with their inputs, fire-signal counts and outputs,
      mimic modules, keypads, and the hand control, broadcast, hydrant and gas zone records
      that differ from start-up.
  diff DIR_A DIR_B [--system-code C] [--host N] [--json]
      "Load Data" from both folders, then one line per change from the set in DIR_A to
      the set in DIR_B, in the words of the pages: zones, hosts, displays, IO boards,
      devices, linkage rules (matched by kind and inputs, wherever their records are),
      mimic modules and LEDs, keypads, hand control, broadcast, hydrant and gas zones.
      Nothing for sets that mean the same. Exit status 1 when anything differs or a set
      did not load without problems. Both sets must be of the same host and system code.
  check DIR [--system-code C] [--host N] [--for-controller] [--json]
      "Load Data" from DIR, then one line per finding, errors first: the files (missing,
      wrong size or tag, checksums), the linkage, hydrant, keypad and other chains, the
      references between tables, values and texts the controller would not take, the
      capacity of every pool, and notes. A checksum left uncomputed by a page save and a
      stale registered-rule count are warnings ("run Data export"), or errors with
      --for-controller, for the set that goes to the controller. Exit status 1 when there
      is an error.
  report DIR [--system-code C] [--host N] --out FILE.html
      "Load Data" from DIR, then write the printable configuration report into FILE.html,
      one self-contained document: the files of the set with their checksums, zones, hosts,
      displays, IO boards, the registered devices of each loop, the linkage rules with their
      outputs, the mimic, keypad, hand control, broadcast, hydrant and gas zone records, and
      the findings of the check. Exit status 1 when the file could not be written.
  find DIR TEXT [--system-code C] [--host N] [--json]
      "Load Data" from DIR, then one line per zone name, display name and device position
      that holds TEXT, ignoring case in every script but not accents: zones, displays, then
      devices by board, loop and address, each with its loop, address, type and zone.
      --json prints the same as an array of objects. Exit status as grep's: 0 when anything
      was found, 1 when nothing was, 2 for wrong usage or a folder that holds no set.

The commands that read a set take from DIR what the command line leaves out:
  the host         whose files ("M" + host number + name + ".BIN") DIR holds; files of
                   several hosts are refused until --host chooses one;
  the system code  from the format bytes of the host's files: 2 0 is system code 0; 3 1 is
                   system code 1 when the IO board file (IOBR.BIN) is 40 bytes long and 2
                   when it is 76. Files that are missing or cannot be read do not count; a
                   set whose files disagree is refused, naming them.
What the command line gives is taken as it stands. dump and inspect refuse a folder that is
missing or holds no file of the host's set.

new, finalize and import-devices write only where they are told, and replace what the target
folder holds: unlike the program's "Data export", they keep no Data.previous. They refuse a
folder that holds anything but configuration files ("M....BIN") unless --force is given. Every
text is checked first: when a name or position would be refused, all of them are listed and
the target folder is left as it was.

Exit status: 0 all well; 1 a file was missing, refused or not written, the workbook exchange
failed, a folder is missing or holds no set, or the host or system code of a set cannot be
told; 2 wrong usage: an unknown command or option, a missing argument or value, or a target
folder holding other files without --force.
)";

} // namespace

std::string_view cliUsage() {
    return kUsage;
}

} // namespace qb
