#include "fake_host.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

#include "palette/settings.h"
#include "plugin/host_suites.h"

namespace fake {
namespace {

World* gWorld = nullptr;

struct EntryRecord {
  Item* item;
  int index;
};
std::deque<EntryRecord> gEntries;
int gHandleCounter = 0;

template <typename Handle>
Handle NewHandle() {
  return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(++gHandleCounter) * 16);
}

Dialog* D(ADMDialogRef ref) {
  auto* dialog = reinterpret_cast<Dialog*>(ref);
  if (dialog == nullptr || dialog->destroyed) {
    The().misuse.push_back("dialog call on a missing or destroyed dialog");
    return nullptr;
  }
  return dialog;
}
Item* I(ADMItemRef ref) {
  auto* item = reinterpret_cast<Item*>(ref);
  if (item == nullptr) The().misuse.push_back("item call on a null item");
  return item;
}
ADMDialogRef Ref(Dialog* d) {
  return reinterpret_cast<ADMDialogRef>(d);
}
ADMItemRef Ref(Item* i) {
  return reinterpret_cast<ADMItemRef>(i);
}

Dialog* Build(SPPluginRef plugin, const char* name, int32_t id, int32_t style, ADMUserData data) {
  auto dialog = std::make_unique<Dialog>();
  dialog->name = name;
  dialog->resourceId = id;
  dialog->style = style;
  dialog->plugin = plugin;
  dialog->userData = data;
  dialog->bounds = The().createdBounds;
  for (const auto& [itemId, bounds] : The().templates[id]) {
    auto item = std::make_unique<Item>();
    item->id = itemId;
    item->dialog = dialog.get();
    item->bounds = bounds;
    dialog->items[itemId] = std::move(item);
  }
  The().dialogs.push_back(std::move(dialog));
  return The().dialogs.back().get();
}

// --- ADM Dialog Suite ---
ADMDialogRef KW_API Create(SPPluginRef plugin, const char* name, int32_t id, int32_t style,
                           ADMDialogInitProc init, ADMUserData data, int32_t) {
  if (The().refuseCreate) return nullptr;
  Dialog* dialog = Build(plugin, name, id, style, data);
  if (init != nullptr && init(Ref(dialog)) != kNoErr) {
    DestroyDialog(*dialog);
    return nullptr;
  }
  return Ref(dialog);
}
void KW_API DestroyProc(ADMDialogRef ref) {
  if (Dialog* d = D(ref)) DestroyDialog(*d);
}
int32_t KW_API Modal(SPPluginRef plugin, const char* name, int32_t id, int32_t style,
                     ADMDialogInitProc init, ADMUserData data, int32_t) {
  The().modalRuns.push_back(name);
  Dialog* dialog = Build(plugin, name, id, style, data);
  if (init != nullptr && init(Ref(dialog)) != kNoErr) {
    DestroyDialog(*dialog);
    return -1;
  }
  const int32_t closing = The().modalScript ? The().modalScript(*dialog) : 2;
  DestroyDialog(*dialog);
  return closing;
}
void KW_API SetDrawProc(ADMDialogRef ref, ADMDialogDrawProc proc) {
  if (Dialog* d = D(ref)) d->draw = proc;
}
void KW_API SetNotifyProc(ADMDialogRef ref, ADMDialogNotifyProc proc) {
  if (Dialog* d = D(ref)) d->notify = proc;
}
void KW_API SetTrackProc(ADMDialogRef ref, ADMDialogTrackProc proc) {
  if (Dialog* d = D(ref)) d->track = proc;
}
void KW_API SetDestroyProc(ADMDialogRef ref, ADMDialogDestroyProc proc) {
  if (Dialog* d = D(ref)) d->destroy = proc;
}
void KW_API DefaultDraw(ADMDialogRef ref, ADMDrawerRef) {
  D(ref);
}
ASBoolean KW_API DefaultTrack(ADMDialogRef ref, ADMTrackerRef) {
  return D(ref) != nullptr;
}
void KW_API DefaultNotify(ADMDialogRef ref, ADMNotifierRef) {
  if (Dialog* d = D(ref)) ++d->defaultNotifies;
}
void KW_API SetUserData(ADMDialogRef ref, ADMUserData data) {
  if (Dialog* d = D(ref)) d->userData = data;
}
ADMUserData KW_API GetUserData(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d == nullptr ? nullptr : d->userData;
}
SPPluginRef KW_API GetPluginRef(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d == nullptr ? nullptr : d->plugin;
}
ADMItemRef KW_API GetItem(ADMDialogRef ref, int32_t id) {
  Dialog* d = D(ref);
  if (d == nullptr || d->items.count(id) == 0) return nullptr;
  return Ref(d->items[id].get());
}
void KW_API GetBoundsRect(ADMDialogRef ref, ASRect* r) {
  if (Dialog* d = D(ref)) *r = d->bounds;
}
void KW_API SetBoundsRect(ADMDialogRef ref, const ASRect* r) {
  if (Dialog* d = D(ref)) d->bounds = *r;
}
void KW_API GetLocalRect(ADMDialogRef ref, ASRect* r) {
  if (Dialog* d = D(ref)) {
    *r = {0, 0, d->bounds.right - d->bounds.left, d->bounds.bottom - d->bounds.top};
  }
}
void KW_API SetMinWidth(ADMDialogRef ref, int32_t v) {
  if (Dialog* d = D(ref)) d->minWidth = v;
}
void KW_API SetMinHeight(ADMDialogRef ref, int32_t v) {
  if (Dialog* d = D(ref)) d->minHeight = v;
}
void KW_API SetVerticalIncrement(ADMDialogRef ref, int32_t v) {
  if (Dialog* d = D(ref)) d->verticalIncrement = v;
}
void KW_API SetIcon(ADMDialogRef ref, int32_t, ADMIconRef icon) {
  Dialog* d = D(ref);
  if (d == nullptr || icon == nullptr) return;
  ++d->iconsSet;
  --The().liveIcons;  // the dialog owns it now
}
void KW_API Show(ADMDialogRef ref, ASBoolean show) {
  if (Dialog* d = D(ref)) d->visible = show != 0;
}
ASBoolean KW_API IsVisible(ADMDialogRef ref) {
  Dialog* d = D(ref);
  return d != nullptr && d->visible;
}

// --- ADM Item, List, Entry, Notifier ---
ADMDialogRef KW_API ItemGetDialog(ADMItemRef ref) {
  Item* i = I(ref);
  return i == nullptr ? nullptr : Ref(i->dialog);
}
int32_t KW_API ItemGetID(ADMItemRef ref) {
  Item* i = I(ref);
  return i == nullptr ? 0 : i->id;
}
void KW_API SetItemStyle(ADMItemRef ref, int32_t style) {
  if (Item* i = I(ref)) i->style = style;
}
void KW_API ItemSetNotifyProc(ADMItemRef ref, ADMItemNotifyProc proc) {
  if (Item* i = I(ref)) i->notify = proc;
}
void KW_API ItemSetDrawProc(ADMItemRef ref, ADMItemDrawProc proc) {
  if (Item* i = I(ref)) i->draw = proc;
}
void KW_API ItemSetTrackProc(ADMItemRef ref, ADMItemTrackProc proc) {
  if (Item* i = I(ref)) i->track = proc;
}
void KW_API ItemDefaultNotify(ADMItemRef ref, ADMNotifierRef) {
  if (Item* i = I(ref)) ++i->defaultNotifies;
}
ASBoolean KW_API ItemDefaultTrack(ADMItemRef ref, ADMTrackerRef) {
  return I(ref) != nullptr;
}
ADMListRef KW_API ItemGetList(ADMItemRef ref) {
  return reinterpret_cast<ADMListRef>(I(ref));
}
void KW_API SetPictureID(ADMItemRef ref, int32_t id, const char* name) {
  if (Item* i = I(ref)) {
    i->pictureId = id;
    i->pictureName = name == nullptr ? "" : name;
  }
}
void KW_API SetTipString(ADMItemRef ref, const char* tip) {
  if (Item* i = I(ref)) i->tip = tip;
}
void KW_API ItemGetBoundsRect(ADMItemRef ref, ASRect* r) {
  if (Item* i = I(ref)) *r = i->bounds;
}
void KW_API ItemSetBoundsRect(ADMItemRef ref, const ASRect* r) {
  if (Item* i = I(ref)) i->bounds = *r;
}
void KW_API ItemInvalidate(ADMItemRef ref) {
  if (Item* i = I(ref)) ++i->invalidations;
}
void KW_API SetUnits(ADMItemRef ref, int32_t units) {
  if (Item* i = I(ref)) i->units = units;
}
void KW_API SetFloatValue(ADMItemRef ref, float v) {
  if (Item* i = I(ref)) i->value = v < i->minimum ? i->minimum : v > i->maximum ? i->maximum : v;
}
float KW_API GetFloatValue(ADMItemRef ref) {
  Item* i = I(ref);
  return i == nullptr ? 0.0f : i->value;
}
void KW_API SetMinFloatValue(ADMItemRef ref, float v) {
  if (Item* i = I(ref)) i->minimum = v;
}
void KW_API SetMaxFloatValue(ADMItemRef ref, float v) {
  if (Item* i = I(ref)) i->maximum = v;
}
void KW_API SetMenuID(ADMListRef ref, int32_t menuId) {
  Item* i = I(reinterpret_cast<ADMItemRef>(ref));
  if (i == nullptr) return;
  i->menuId = menuId;
  i->entryCount = The().menuSizes[menuId];
}
ADMEntryRef EntryOf(Item* item, int index) {
  gEntries.push_back({item, index});
  return reinterpret_cast<ADMEntryRef>(&gEntries.back());
}
ADMEntryRef KW_API GetActiveEntry(ADMListRef ref) {
  auto* i = reinterpret_cast<Item*>(ref);
  return i == nullptr || i->activeEntry < 0 ? nullptr : EntryOf(i, i->activeEntry);
}
ADMEntryRef KW_API IndexEntry(ADMListRef ref, int32_t index) {
  auto* i = reinterpret_cast<Item*>(ref);
  return i == nullptr || index < 0 || index >= i->entryCount ? nullptr : EntryOf(i, index);
}
int32_t KW_API EntryGetIndex(ADMEntryRef ref) {
  return reinterpret_cast<EntryRecord*>(ref)->index;
}
void KW_API EntrySelect(ADMEntryRef ref, ASBoolean select) {
  auto* e = reinterpret_cast<EntryRecord*>(ref);
  if (select) e->item->activeEntry = e->index;
}
ASBoolean KW_API IsNotifierType(ADMNotifierRef ref, const char* type) {
  return reinterpret_cast<Notifier*>(ref)->type == type;
}

// --- Dialog group, icons, basic, drawer ---
ASErr KW_API GetDialogGroupInfo(ADMDialogRef ref, const char** group, int32_t* code) {
  Dialog* d = D(ref);
  if (d == nullptr) return kBadParameterErr;
  *group = d->dockGroup.c_str();
  *code = d->dockCode;
  return kNoErr;
}
ASErr KW_API SetDialogGroupInfo(ADMDialogRef ref, const char* group, int32_t code) {
  Dialog* d = D(ref);
  if (d == nullptr) return kBadParameterErr;
  d->dockGroup = group;
  d->dockCode = code;
  return kNoErr;
}
ADMIconRef KW_API GetFromResource(SPPluginRef, const char*, int32_t, int32_t) {
  ++The().liveIcons;
  return NewHandle<ADMIconRef>();
}
ASErr KW_API GetIndexedString(SPPluginRef, int32_t list, int32_t index, char* buffer,
                              int32_t capacity) {
  buffer[0] = '\0';
  const auto found = The().strings.find({list, index});
  if (found == The().strings.end()) return KW_FOUR_CHAR('S', 'T', 'R', '?');
  std::strncpy(buffer, found->second.c_str(), static_cast<std::size_t>(capacity) - 1);
  buffer[capacity - 1] = '\0';
  return kNoErr;
}
void KW_API GetPaletteLayoutBounds(ASRect* r) {
  *r = The().paletteLayout;
}
void KW_API DrawerGetBounds(ADMDrawerRef, ASRect* r) {
  *r = {0, 0, 100, 100};
}

// --- Preferences ---
bool OurSection(const char* prefix) {
  if (std::strcmp(prefix, kPreferenceSection) == 0) return true;
  The().misuse.push_back(std::string("preference section ") + prefix);
  return false;
}
AIErr KW_API GetBoolean(const char* prefix, const char* key, AIBoolean* v) {
  if (OurSection(prefix) && The().integerPrefs.count(key)) *v = The().integerPrefs[key];
  return kNoErr;
}
AIErr KW_API GetInteger(const char* prefix, const char* key, int32_t* v) {
  return GetBoolean(prefix, key, v);
}
AIErr KW_API PutInteger(const char* prefix, const char* key, int32_t v) {
  if (OurSection(prefix)) The().integerPrefs[key] = v;
  The().prefWrites.push_back(key);
  return kNoErr;
}
AIErr KW_API PutBoolean(const char* prefix, const char* key, AIBoolean v) {
  return PutInteger(prefix, key, v);
}
AIErr KW_API GetString(const char* prefix, const char* key, char* buffer, int32_t capacity) {
  if (!OurSection(prefix) || The().textPrefs.count(key) == 0) return kNoErr;
  const std::string& text = The().textPrefs[key];
  // As the host: a value that does not fit is cut without a terminator.
  const std::size_t n = std::min(text.size() + 1, static_cast<std::size_t>(capacity));
  std::memcpy(buffer, text.c_str(), n);
  return kNoErr;
}
AIErr KW_API PutString(const char* prefix, const char* key, const char* v) {
  if (OurSection(prefix)) The().textPrefs[key] = v;
  The().prefWrites.push_back(key);
  return kNoErr;
}
AIErr KW_API GetPoint(const char* prefix, const char* key, ASPoint* v) {
  if (OurSection(prefix) && The().pointPrefs.count(key)) *v = The().pointPrefs[key];
  return kNoErr;
}
AIErr KW_API PutPoint(const char* prefix, const char* key, const ASPoint* v) {
  if (OurSection(prefix)) The().pointPrefs[key] = *v;
  The().prefWrites.push_back(key);
  return kNoErr;
}

// --- Contexts, menus, notifiers, strings, plug-in ---
AIErr KW_API PushContext(SPPluginRef, AIAppContextHandle* context) {
  ++The().contextPushes;
  ++The().openContexts;
  *context = NewHandle<AIAppContextHandle>();
  return kNoErr;
}
AIErr KW_API PopContext(AIAppContextHandle context) {
  if (context == nullptr) The().misuse.push_back("pop of a null context");
  ++The().contextPops;
  --The().openContexts;
  return kNoErr;
}
AIErr KW_API AddMenuItem(SPPluginRef, const char* name, const AIPlatformAddMenuItemData* data,
                         int32_t options, AIMenuItemHandle* item) {
  const auto* text = reinterpret_cast<const std::string*>(data->itemText);
  The().menuItems.push_back(std::string(data->groupName) + "/" + name + "/" + *text + "/" +
                            std::to_string(options));
  *item = NewHandle<AIMenuItemHandle>();
  The().menuText[*item] = *text;
  The().lastMenuItem = *item;
  return kNoErr;
}
AIErr KW_API SetItemText(AIMenuItemHandle item, AIUnicodeStringHandle text) {
  The().menuText[item] = *reinterpret_cast<const std::string*>(text);
  return kNoErr;
}
AIErr KW_API CheckItem(AIMenuItemHandle item, AIBoolean checked) {
  The().menuChecked[item] = checked != 0;
  return kNoErr;
}
AIErr KW_API AddNotifier(SPPluginRef, const char* name, const char* type,
                         AINotifierHandle* notifier) {
  The().notifiers.emplace_back(name, type);
  const auto handle = NewHandle<AINotifierHandle>();
  The().notifierByType[type] = handle;
  if (notifier != nullptr) *notifier = handle;
  return kNoErr;
}
AIErr KW_API StringInitialize(AIUnicodeStringHandle* string, const char* text, int32_t) {
  ++The().liveStrings;
  *string = reinterpret_cast<AIUnicodeStringHandle>(new std::string(text));
  return kNoErr;
}
AIErr KW_API StringDispose(AIUnicodeStringHandle string) {
  if (string == nullptr) return kNoErr;
  --The().liveStrings;
  delete reinterpret_cast<std::string*>(string);
  return kNoErr;
}
AIErr KW_API SetPluginOptions(SPPluginRef, int32_t) {
  ++The().setPluginOptionsCalls;
  return kNoErr;
}
ASErr KW_API SetPluginName(SPPluginRef, const char*) {
  return kNoErr;
}

// --- Document art: enough for the crop-mark toggle and rebuild ---
AIArtHandle gTaggedArt = reinterpret_cast<AIArtHandle>(0x5000);
AIErr KW_API GetDocument(AIDocumentHandle* document) {
  *document = reinterpret_cast<AIDocumentHandle>(0x6000);
  return The().documentOpen ? kNoErr : kNoDocumentErr;
}
AIErr KW_API RedrawDocument() {
  ++The().redraws;
  return kNoErr;
}
AIErr KW_API GetMatchingArt(const AIMatchingArtSpec*, int16_t, AIArtHandle** list, int32_t* count) {
  ++The().matchingArtRequests;
  *list = &gTaggedArt;
  *count = 1;
  return kNoErr;
}
AIErr KW_API ReleaseArtList(AIArtHandle*) {
  return kNoErr;
}
AIErr KW_API GetTag(AIArtHandle, const char*, const char*, const char**) {
  return kNoErr;
}
AIErr KW_API GetArtParent(AIArtHandle, AIArtHandle* parent) {
  *parent = nullptr;
  return kNoErr;
}
AIErr KW_API DisposeArt(AIArtHandle) {
  ++The().disposedArt;
  return kNoErr;
}

// --- Access: the plug-in file ---
ASErr KW_API GetPluginAccess(SPPluginRef, SPAccessRef* access) {
  *access = reinterpret_cast<SPAccessRef>(0x7000);
  return kNoErr;
}
ASErr KW_API GetInstance(SPAccessRef, void** instance) {
  *instance = reinterpret_cast<void*>(0x7100);
  return kNoErr;
}

ADMDialogSuite gDialog;
ADMItemSuite gItem;
ADMListSuite gList;
ADMEntrySuite gEntry;
ADMNotifierSuite gNotifier;
ADMDialogGroupSuite gGroup;
ADMIconSuite gIcon;
ADMBasicSuite gBasic;
ADMDrawerSuite gDrawer;
AIPreferenceSuite gPreference;
AIContextSuite gContext;
AIMenuSuite gMenu;
AINotifierSuite gAINotifier;
AIUnicodeStringSuite gString;
AIPluginSuite gPlugin;
SPPluginsSuite gPlugins;
SPAccessSuite gAccess;
AIDocumentSuite gDocument;
AIMatchingArtSuite gMatching;
AITagSuite gTag;
AIArtSuite gArt;
// Suites the palette never calls: zeroed tables, so a call would fail loudly.
void* gUncalled[64];

std::map<std::string, const void*> SuiteTables() {
  return {{kADMDialogSuite, &gDialog},
          {kADMItemSuite, &gItem},
          {kADMListSuite, &gList},
          {kADMEntrySuite, &gEntry},
          {kADMNotifierSuite, &gNotifier},
          {kADMDialogGroupSuite, &gGroup},
          {kADMIconSuite, &gIcon},
          {kADMBasicSuite, &gBasic},
          {kADMDrawerSuite, &gDrawer},
          {kAIPreferenceSuite, &gPreference},
          {kAIContextSuite, &gContext},
          {kAIMenuSuite, &gMenu},
          {kAINotifierSuite, &gAINotifier},
          {kAIUnicodeStringSuite, &gString},
          {kAIPluginSuite, &gPlugin},
          {kSPPluginsSuite, &gPlugins},
          {kSPAccessSuite, &gAccess},
          {kAIDocumentSuite, &gDocument},
          {kAIMatchingArtSuite, &gMatching},
          {kAITagSuite, &gTag},
          {kAIArtSuite, &gArt}};
}

ASErr KW_API Acquire(const char* name, int32_t, const void** suite) {
  const auto tables = SuiteTables();
  const auto found = tables.find(name);
  *suite = found == tables.end() ? static_cast<const void*>(gUncalled) : found->second;
  ++The().acquiredSuites;
  return kNoErr;
}
ASErr KW_API Release(const char*, int32_t) {
  --The().acquiredSuites;
  return kNoErr;
}
ASErr KW_API Allocate(size_t size, void** block) {
  *block = std::malloc(size);
  ++The().liveBlocks;
  return kNoErr;
}
ASErr KW_API Free(void* block) {
  if (block == nullptr) return kNoErr;
  --The().liveBlocks;
  std::free(block);
  return kNoErr;
}
SPBasicSuite gSPBasic;

void FillTables() {
  gDialog = {};
  gDialog.Create = &Create;
  gDialog.Destroy = &DestroyProc;
  gDialog.Modal = &Modal;
  gDialog.SetDrawProc = &SetDrawProc;
  gDialog.SetNotifyProc = &SetNotifyProc;
  gDialog.SetTrackProc = &SetTrackProc;
  gDialog.SetDestroyProc = &SetDestroyProc;
  gDialog.DefaultDraw = &DefaultDraw;
  gDialog.DefaultTrack = &DefaultTrack;
  gDialog.DefaultNotify = &DefaultNotify;
  gDialog.SetUserData = &SetUserData;
  gDialog.GetUserData = &GetUserData;
  gDialog.GetPluginRef = &GetPluginRef;
  gDialog.GetItem = &GetItem;
  gDialog.GetBoundsRect = &GetBoundsRect;
  gDialog.SetBoundsRect = &SetBoundsRect;
  gDialog.GetLocalRect = &GetLocalRect;
  gDialog.SetMinWidth = &SetMinWidth;
  gDialog.SetMinHeight = &SetMinHeight;
  gDialog.SetVerticalIncrement = &SetVerticalIncrement;
  gDialog.SetIcon = &SetIcon;
  gDialog.Show = &Show;
  gDialog.IsVisible = &IsVisible;
  gItem = {};
  gItem.GetDialog = &ItemGetDialog;
  gItem.GetID = &ItemGetID;
  gItem.SetItemStyle = &SetItemStyle;
  gItem.SetNotifyProc = &ItemSetNotifyProc;
  gItem.SetDrawProc = &ItemSetDrawProc;
  gItem.SetTrackProc = &ItemSetTrackProc;
  gItem.DefaultNotify = &ItemDefaultNotify;
  gItem.DefaultTrack = &ItemDefaultTrack;
  gItem.GetList = &ItemGetList;
  gItem.SetPictureID = &SetPictureID;
  gItem.SetTipString = &SetTipString;
  gItem.GetBoundsRect = &ItemGetBoundsRect;
  gItem.SetBoundsRect = &ItemSetBoundsRect;
  gItem.Invalidate = &ItemInvalidate;
  gItem.SetUnits = &SetUnits;
  gItem.SetFloatValue = &SetFloatValue;
  gItem.GetFloatValue = &GetFloatValue;
  gItem.SetMinFloatValue = &SetMinFloatValue;
  gItem.SetMaxFloatValue = &SetMaxFloatValue;
  gList = {&SetMenuID, &GetActiveEntry, &IndexEntry, nullptr};
  gEntry = {&EntryGetIndex, &EntrySelect, nullptr, nullptr, nullptr};
  gNotifier = {&IsNotifierType, nullptr, nullptr, nullptr};
  gGroup = {&GetDialogGroupInfo, &SetDialogGroupInfo};
  gIcon = {&GetFromResource, nullptr, nullptr, nullptr};
  gBasic = {};
  gBasic.GetIndexedString = &GetIndexedString;
  gBasic.GetPaletteLayoutBounds = &GetPaletteLayoutBounds;
  gDrawer = {};
  gDrawer.GetBoundsRect = &DrawerGetBounds;
  gPreference = {};
  gPreference.GetBooleanPreference = &GetBoolean;
  gPreference.PutBooleanPreference = &PutBoolean;
  gPreference.GetIntegerPreference = &GetInteger;
  gPreference.PutIntegerPreference = &PutInteger;
  gPreference.GetStringPreference = &GetString;
  gPreference.PutStringPreference = &PutString;
  gPreference.GetPointPreference = &GetPoint;
  gPreference.PutPointPreference = &PutPoint;
  gContext = {nullptr, &PushContext, &PopContext};
  gMenu = {};
  gMenu.AddMenuItem = &AddMenuItem;
  gMenu.SetItemText = &SetItemText;
  gMenu.CheckItem = &CheckItem;
  gAINotifier = {&AddNotifier, nullptr};
  gString = {&StringInitialize, &StringDispose, nullptr};
  gPlugin = {nullptr, &SetPluginOptions};
  gPlugins = {};
  gPlugins.SetPluginName = &SetPluginName;
  gAccess = {nullptr, nullptr, &GetInstance, &GetPluginAccess};
  gDocument = {&GetDocument, nullptr, nullptr, &RedrawDocument};
  gMatching = {nullptr, &GetMatchingArt, &ReleaseArtList};
  gTag = {nullptr, &GetTag, nullptr};
  gArt = {};
  gArt.DisposeArt = &DisposeArt;
  gArt.GetArtParent = &GetArtParent;
  gSPBasic = {};
  gSPBasic.AcquireSuite = &Acquire;
  gSPBasic.ReleaseSuite = &Release;
  gSPBasic.AllocateBlock = &Allocate;
  gSPBasic.FreeBlock = &Free;
}

}  // namespace

World& The() {
  return *gWorld;
}

Dialog* World::Find(const std::string& dialogName) {
  for (auto& dialog : dialogs) {
    if (dialog->name == dialogName && !dialog->destroyed) return dialog.get();
  }
  return nullptr;
}

std::string World::Pref(const std::string& key) const {
  if (auto t = textPrefs.find(key); t != textPrefs.end()) return t->second;
  if (auto i = integerPrefs.find(key); i != integerPrefs.end()) return std::to_string(i->second);
  if (auto p = pointPrefs.find(key); p != pointPrefs.end()) {
    return std::to_string(p->second.h) + "," + std::to_string(p->second.v);
  }
  return "-";
}

SPBasicSuite* Basic() {
  return &gSPBasic;
}

SPPluginRef PluginRef() {
  return reinterpret_cast<SPPluginRef>(0x1000);
}

void Install() {
  // The palette names its cut file and looks for the application when it opens: keep both here.
  const std::string scratch = std::string(KW_BINARY_DIR) + "/palette_scratch";
  mkdir(scratch.c_str(), 0700);
  setenv("TMPDIR", scratch.c_str(), 1);
  setenv("KW_REGISTRY_USER", (scratch + "/no-user-registry").c_str(), 1);
  setenv("KW_REGISTRY_MACHINE", (scratch + "/no-machine-registry").c_str(), 1);
  delete gWorld;
  gWorld = new World();
  gEntries.clear();
  FillTables();
  World& w = The();
  w.templates[16200] = {
      {kADMMenuItemID, {0, 0, 0, 0}}, {16, {5, 2, 50, 30}},    {17, {53, 2, 69, 15}},
      {18, {71, 2, 87, 15}},          {19, {89, 2, 105, 15}},  {20, {53, 17, 69, 30}},
      {21, {71, 17, 87, 30}},         {22, {89, 17, 105, 30}}, {23, {5, 38, 105, 48}},
      {24, {72, 54, 105, 68}},        {25, {8, 72, 100, 172}}};
  w.templates[16201] = {{1, {}},  {2, {}},  {32, {}}, {33, {}},
                        {34, {}}, {35, {}}, {36, {}}, {37, {}}};
  w.templates[16080] = {{1, {}}};
  w.menuSizes = {{700, 4}, {701, 4}, {702, 8}};
  for (int i = 0; i < 7; ++i) w.strings[{16216 + i, 0}] = "tip " + std::to_string(16 + i);
  w.strings[{16233, 0}] = "Kerfworks Plug-in";
  w.strings[{16232, 0}] = "KWAIPin_e.chm";
  sSPBasic = &gSPBasic;
  sADMDialog = &gDialog;
  sADMItem = &gItem;
  sADMList = &gList;
  sADMEntry = &gEntry;
  sADMNotifier = &gNotifier;
  sADMDialogGroup = &gGroup;
  sADMIcon = &gIcon;
  sADMBasic = &gBasic;
  sADMDrawer = &gDrawer;
  sAIPreference = &gPreference;
  sAIContext = &gContext;
  sAIMenu = &gMenu;
  sAINotifier = &gAINotifier;
  sAIUnicodeString = &gString;
  sAIPlugin = &gPlugin;
  sSPPlugins = &gPlugins;
  sSPAccess = &gAccess;
  sAIDocument = &gDocument;
  sAIMatchingArt = &gMatching;
  sAITag = &gTag;
  sAIArt = &gArt;
}

void NotifyItem(Item& item, const char* type) {
  Notifier notifier{type, &item};
  if (item.notify != nullptr) {
    item.notify(Ref(&item), reinterpret_cast<ADMNotifierRef>(&notifier));
  }
}

void NotifyDialog(Dialog& dialog, const char* type) {
  Notifier notifier{type, nullptr};
  if (dialog.notify != nullptr) {
    dialog.notify(Ref(&dialog), reinterpret_cast<ADMNotifierRef>(&notifier));
  }
}

void Choose(Item& item, int index) {
  item.activeEntry = index;
  NotifyItem(item, "ADM User Changed Notifier");
}

void DestroyDialog(Dialog& dialog) {
  if (dialog.destroyed || dialog.destroying) {
    The().misuse.push_back("dialog destroyed twice");
    return;
  }
  dialog.destroying = true;
  if (dialog.destroy != nullptr) dialog.destroy(Ref(&dialog));
  dialog.destroyed = true;
}

}  // namespace fake
