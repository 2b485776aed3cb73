#include "standin/model/actions.h"

#include <algorithm>

namespace standin {

void ActionParamBlock::Set(ActionParam param) {
  auto same = std::find_if(params.begin(), params.end(),
                           [&](const ActionParam& p) { return p.key == param.key; });
  if (same == params.end()) {
    params.push_back(std::move(param));
  } else {
    *same = std::move(param);
  }
}

const ActionParam* ActionPlay::Find(std::uint32_t key) const {
  if (!parameters) return nullptr;
  for (const ActionParam& p : parameters->params) {
    if (p.key == key) return &p;
  }
  return nullptr;
}

void ActionManager::DescribeLeftovers(std::vector<std::string>& out) const {
  if (blocks.LiveCount() != 0) {
    out.push_back("action parameter blocks not deleted: " + std::to_string(blocks.LiveCount()));
  }
}

std::uint32_t FourCharCode(const char* code) {
  return static_cast<std::uint32_t>(KW_FOUR_CHAR(code[0], code[1], code[2], code[3]));
}

}  // namespace standin
