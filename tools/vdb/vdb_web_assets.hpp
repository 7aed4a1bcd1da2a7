// The pages, scripts and style sheet of vdb serve, compiled into the tool from
// tools/vdb/web/ (the source listing them is generated at build time), so that
// nothing is read from disk or fetched from the network to show them.
#pragma once

#include <span>
#include <string_view>

namespace vdb {

struct web_asset {
  std::string_view path;          // "/", "/app.js"
  std::string_view content_type;  // "text/html; charset=utf-8"
  std::string_view body;
};

std::span<const web_asset> web_assets();

}  // namespace vdb
