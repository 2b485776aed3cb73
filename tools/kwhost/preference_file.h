// The stand-in's preference store kept in a file between kwhost runs, as the drawing application
// keeps its preferences: one line per key, "section<TAB>key<TAB>type<TAB>value", where type is
// b (boolean 0/1), i (integer), r (real), s (string, with \t \n \\ escaped) or p (point "h,v").
#ifndef KERFWORKS_TOOLS_KWHOST_PREFERENCE_FILE_H
#define KERFWORKS_TOOLS_KWHOST_PREFERENCE_FILE_H

#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>

#include "standin/model/preference_store.h"

namespace kwhost {

class PreferenceFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// $KWHOST_PREFERENCES, else $XDG_CONFIG_HOME/kerfworks/kwhost-preferences.txt, else
// $HOME/.config/kerfworks/kwhost-preferences.txt; empty when none of them is set.
std::string DefaultPreferencePath();

// Fills `store` from the file; a missing file is an empty store. Throws PreferenceFileError
// naming the file and line of anything it cannot read.
void LoadPreferences(const std::string& path, standin::PreferenceStore& store);
// The same from a stream; `name` stands for the file in messages.
void ReadPreferences(std::istream& in, const std::string& name, standin::PreferenceStore& store);

// Writes the whole store, creating the folder; the old file is replaced only once the new one
// is complete. Throws PreferenceFileError when it cannot be written.
void SavePreferences(const std::string& path, const standin::PreferenceStore& store);
// Every key of the store, one line each, in key order.
void WritePreferences(std::ostream& out, const standin::PreferenceStore& store);

}  // namespace kwhost

#endif  // KERFWORKS_TOOLS_KWHOST_PREFERENCE_FILE_H
