// vdb serve: the database in a browser. A local web server whose pages (compiled
// into the tool) show the entries, a vehicle's characteristics with plots of its
// signature, and the characteristic reference, and edit values through the same
// operations as the command line (vdb_operations.hpp).
//
// Safe by default: it listens on 127.0.0.1; it answers only requests whose Host
// header names the address it serves, so that a page of another site cannot reach
// it through a renamed address; every writing request carries the token made at
// start (header X-Vdb-Token), which only the printed address holds; bodies are
// bounded; nothing but its own pages and the database is ever read.
#pragma once

#include <string>

#include "vdb_common.hpp"

namespace vdb {

struct serve_request {
  int port = 8023;  // 0: any free port
  std::string bind = "127.0.0.1";
  bool read_only = false;  // no writing operation is served at all
};

// Serves until SIGINT or SIGTERM. Prints the address to open, with the token, on
// standard output first.
int serve(const options& opts, const serve_request& request);

// The largest request body taken; a bigger one is refused unread.
inline constexpr std::size_t serve_body_limit = 64 * 1024;

}  // namespace vdb
