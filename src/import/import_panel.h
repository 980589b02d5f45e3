#pragma once
// The import panel Frame1: choosing a permanence file through the drive,
// directory and file lists, then OK (the reader) or Abbr.

#include "model/form.h"
#include "platform/platform.h"

namespace lurnatik {

// Attaches the panel's handlers and fills its lists with the drive and the
// directory the program was started in, as the lists stand when the window opens.
void attachImportPanel(Form1& form, Platform& platform);

// The drive list from the mounted file systems; the drive and the directory of the
// working directory. Runs no handler of Drive1; Dir1's refreshes the lists.
void fillImportLists(Form1& form, Platform& platform);

// The handlers, one per event.
void openImportPanel(Form1& form);                                // okextern
void changeDrive(Form1& form, Platform& platform);                // Drive1 changed
void refreshDirectory(Form1& form, Platform& platform);           // Dir1 changed
void openDirectoryEntry(Form1& form, Platform& platform, int i);  // Dir1 double-click
void clickFileList(Form1& form);                                  // File1
void cancelImport(Form1& form);                                   // okexternabbruch

}  // namespace lurnatik
