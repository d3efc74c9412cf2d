#include "board/stage_param.h"

#include <cstdio>

#include "frame/binary_stream.h"

namespace {
// The fields in record order, for reading and writing alike.
template <typename Param, typename Visit>
void ForEachField(Param& param, Visit visit) {
  for (auto& field : param.Reserved) visit(field);
  visit(param.PassRows);
  visit(param.AutoDropSec);
  visit(param.BreakgrdCnt);
  visit(param.LaserPower);
  visit(param.BreakgroundPower);
  visit(param.ClearGemsPower);
}

std::string NumberedName(const char* format, int32_t number) {
  char name[32];
  std::snprintf(name, sizeof name, format, static_cast<int>(number));
  return name;
}
}  // namespace

void TStageParam::LoadFromStream(std::istream& Stream) {
  ForEachField(*this, [&](int32_t& field) { ReadInt32(Stream, field); });
}

void TStageParam::SaveToStream(std::ostream& Stream) const {
  ForEachField(*this, [&](int32_t field) { WriteInt32(Stream, field); });
}

std::string LevelParamFileName(int32_t Number) { return NumberedName("dat/a%2.2d", Number); }
std::string LayoutFileName(int32_t Number) { return NumberedName("dat/d%2.2d", Number); }
