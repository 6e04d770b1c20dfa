#include "collect/plugin_probe.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/path_style.h"
#include "platform/paths.h"

namespace pictavue {
namespace {

constexpr std::array<PluginKind, 3> kStartupOrder = {PluginKind::kJpeg, PluginKind::kPng,
                                                     PluginKind::kWmf};

std::size_t IndexOf(PluginKind kind) {
  return static_cast<std::size_t>(kind);
}

// Names is PluginNames, const or not.
template <typename Names>
auto& NameField(Names& names, PluginKind kind) {
  switch (kind) {
    case PluginKind::kJpeg:
      return names.JpegPluginName;
    case PluginKind::kPng:
      return names.PngPluginName;
    case PluginKind::kWmf:
      break;
  }
  return names.WmfPluginName;
}

std::string AskName(const PluginLibrary& library) {
  std::array<char, kPluginNameBufferSize> buffer;
  buffer.fill(' ');
  const std::optional<int> count = library.GetPluginInfo(1, buffer);
  return count ? PluginNameFromBuffer(std::string_view(buffer.data(), buffer.size()), *count)
               : std::string();
}

}  // namespace

std::string_view PluginFileName(PluginKind kind) {
  switch (kind) {
    case PluginKind::kJpeg:
      return "ifjpeg.spi";
    case PluginKind::kPng:
      return "ifpng.spi";
    case PluginKind::kWmf:
      break;
  }
  return "ifwmf.spi";
}

std::string PluginNameFromBuffer(std::string_view buffer, int count) {
  if (count <= 0) {
    return {};
  }
  std::string_view name = buffer.substr(0, static_cast<std::size_t>(count));
  // The plug-in writes C text: anything after its end is not part of the name.
  name = name.substr(0, name.find('\0'));
  const std::size_t first = name.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return std::string(name.substr(first, name.find_last_not_of(' ') - first + 1));
}

Plugins::Plugins() = default;
Plugins::~Plugins() = default;
Plugins::Plugins(Plugins&&) noexcept = default;
Plugins& Plugins::operator=(Plugins&&) noexcept = default;

Plugins Plugins::Load(const std::string& folder, const CodePage& code_page) {
  Plugins plugins;
  for (const PluginKind kind : kStartupOrder) {
    std::unique_ptr<PluginLibrary> library =
        PluginLibrary::Load(JoinPath(folder, PluginFileName(kind), NativePathStyle()));
    if (library == nullptr) {
      continue;
    }
    const std::string name = AskName(*library);
    NameField(plugins.names_, kind) = name.empty() ? name : code_page.ToUtf8(name);
    plugins.libraries_[IndexOf(kind)] = std::move(library);
  }
  return plugins;
}

const std::string& Plugins::Name(PluginKind kind) const {
  return NameField(names_, kind);
}

int Plugins::ProbePicture(PluginKind kind, const std::string& path, LastPictureInfo& last) const {
  const PluginLibrary* library = libraries_[IndexOf(kind)].get();
  if (library == nullptr) {
    return kPluginCallFailed;
  }
  PictureInfo info{};
  const std::optional<int> result = library->GetPictureInfo(path, info);
  if (!result) {
    return kPluginCallFailed;
  }
  if (*result == kPluginSuccess) {
    last.left = info.left;
    last.top = info.top;
    last.width = info.width;
    last.height = info.height;
    last.x_density = info.x_density;
    last.y_density = info.y_density;
    last.colour_depth = info.colour_depth;
  }
  return *result;
}

}  // namespace pictavue
