// Where the dialog system finds the plug-in's dialog templates, menus and pictures: the plug-in's
// compiled resources in the user's language, or templates a test builds in memory.
#ifndef KERFWORKS_STANDIN_MODEL_DIALOG_RESOURCES_H
#define KERFWORKS_STANDIN_MODEL_DIALOG_RESOURCES_H

#include <map>
#include <optional>

#include "standin/resources/resources.h"

namespace standin {

class Host;

class DialogResourceSource {
 public:
  virtual ~DialogResourceSource() = default;
  virtual std::optional<DialogTemplate> Dialog(int id) const = 0;
  virtual std::optional<MenuTemplate> Menu(int id) const = 0;
  // An icon, bitmap or PNG picture with this id, looked up in that order.
  virtual std::optional<Picture> Image(int id) const = 0;
};

// Templates made by a test.
class MemoryDialogResources : public DialogResourceSource {
 public:
  MemoryDialogResources& Add(DialogTemplate dialog);
  MemoryDialogResources& Add(MenuTemplate menu);
  MemoryDialogResources& AddImage(int id, Picture picture);

  std::optional<DialogTemplate> Dialog(int id) const override;
  std::optional<MenuTemplate> Menu(int id) const override;
  std::optional<Picture> Image(int id) const override;

 private:
  std::map<int, DialogTemplate> dialogs_;
  std::map<int, MenuTemplate> menus_;
  std::map<int, Picture> images_;
};

// The plug-in's compiled resources, in the host's user language at the time of each lookup.
class PluginDialogResources : public DialogResourceSource {
 public:
  explicit PluginDialogResources(Host& host) : host_(host) {}
  std::optional<DialogTemplate> Dialog(int id) const override;
  std::optional<MenuTemplate> Menu(int id) const override;
  std::optional<Picture> Image(int id) const override;

 private:
  Host& host_;
};

}  // namespace standin

#endif  // KERFWORKS_STANDIN_MODEL_DIALOG_RESOURCES_H
