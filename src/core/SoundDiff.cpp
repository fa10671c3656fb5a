#include "core/SoundDiff.h"

#include <algorithm>
#include <unordered_map>

namespace slotsmith {
namespace {

struct Parameter {
  std::string_view key;
  std::string_view value;
  int occurrence;
};

std::vector<Parameter> parametersOf(std::string_view script) {
  std::vector<Parameter> parameters;
  std::unordered_map<std::string_view, int> occurrences;
  for (std::size_t pos = 0; pos < script.size();) {
    std::size_t end = script.find('\n', pos);
    if (end == std::string_view::npos) end = script.size();
    std::string_view line = script.substr(pos, end - pos);
    pos = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    const std::size_t tab = line.find('\t');
    const std::string_view key = line.substr(0, tab);
    const std::string_view value =
        tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    parameters.push_back({key, value, ++occurrences[key]});
  }
  return parameters;
}

}  // namespace

SoundComparison compareSoundScripts(std::string_view first, std::string_view second) {
  const std::vector<Parameter> firstParameters = parametersOf(first);
  const std::vector<Parameter> secondParameters = parametersOf(second);
  // Where each occurrence of a key sits in the second script.
  std::unordered_map<std::string_view, std::vector<std::size_t>> inSecond;
  for (std::size_t i = 0; i < secondParameters.size(); ++i)
    inSecond[secondParameters[i].key].push_back(i);

  SoundComparison comparison;
  std::vector<bool> paired(secondParameters.size(), false);
  for (const Parameter& parameter : firstParameters) {
    ParameterPair& pair = comparison.parameters.emplace_back();
    pair.key = parameter.key;
    pair.occurrence = parameter.occurrence;
    pair.first = std::string(parameter.value);
    const auto found = inSecond.find(parameter.key);
    if (found != inSecond.end() &&
        found->second.size() >= static_cast<std::size_t>(parameter.occurrence)) {
      const std::size_t index = found->second[parameter.occurrence - 1];
      pair.second = std::string(secondParameters[index].value);
      paired[index] = true;
    }
  }
  for (std::size_t i = 0; i < secondParameters.size(); ++i) {
    if (paired[i]) continue;
    const Parameter& parameter = secondParameters[i];
    comparison.parameters.push_back({std::string(parameter.key), parameter.occurrence, std::nullopt,
                                     std::string(parameter.value)});
  }
  const auto equalPart =
      std::stable_partition(comparison.parameters.begin(), comparison.parameters.end(),
                            [](const ParameterPair& pair) { return pair.differs(); });
  comparison.differing = static_cast<std::size_t>(equalPart - comparison.parameters.begin());
  return comparison;
}

}  // namespace slotsmith
