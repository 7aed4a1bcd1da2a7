// vdb serve: the web front end of the tool's operations. Every handler takes the
// operations' data (or their diagnostics) and answers it as JSON; none reads or
// writes the files itself.
#include "vdb_serve.hpp"

#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <mutex>
#include <thread>

#include "csl_exceptions.hpp"
#include "vdb_operations.hpp"
#include "vdb_web_assets.hpp"

namespace vdb {

namespace {

using json = nlohmann::json;

// The library's store, its loaded index and the catalogue are one per process:
// requests take their turn.
std::mutex database_turn;

// 128 random bits as hex, from the kernel.
std::string new_token() {
  std::array<unsigned char, 16> bytes{};
  std::ifstream random("/dev/urandom", std::ios::binary);
  random.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
  if (!random) throw std::runtime_error("no random bytes for the token");
  return hex_of(bytes.data(), bytes.size());
}

// Compares in time independent of where the texts first differ.
bool same_secret(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  unsigned char diff = 0;
  for (std::size_t i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
  return diff == 0;
}

bool loopback(const std::string& address) {
  return address == "127.0.0.1" || address == "localhost" || address == "::1";
}

// The Host headers a browser sends for the address served: a page of another
// site reaching this port under its own name sends that name instead.
// An address as a URL and a Host header write it: an IPv6 one in brackets.
std::string host_image_of(const std::string& address) {
  return address.find(':') != std::string::npos ? "[" + address + "]" : address;
}

std::vector<std::string> hosts_served(const std::string& bind, int port) {
  const std::string p = ":" + std::to_string(port);
  std::vector<std::string> hosts = {host_image_of(bind) + p};
  if (loopback(bind) || bind == "0.0.0.0") {
    hosts.push_back("127.0.0.1" + p);
    hosts.push_back("localhost" + p);
  }
  return hosts;
}

void answer(httplib::Response& res, int status, const json& body) {
  res.status = status;
  res.set_header("Cache-Control", "no-store");
  // Not plain "application/json": the library would compress it at Brotli's
  // highest quality, which takes seconds for a vehicle; the answers never leave
  // this machine, where sending them whole is cheaper.
  res.set_content(body.dump(-1, ' ', false, json::error_handler_t::replace),
                  "application/json; charset=utf-8");
}

void refuse(httplib::Response& res, int status, const std::vector<std::string>& messages) {
  answer(res, status, {{"messages", messages}});
}

class server {
 public:
  server(const options& opts, const serve_request& request)
      : opts_(opts), request_(request), token_(new_token()) {}

  int run();

 private:
  void add_guards();
  void add_pages();
  void add_reading();
  void add_writing();
  bool host_allowed(const httplib::Request& req) const;
  bool token_allowed(const httplib::Request& req) const;
  // Runs a writing operation with its diagnostics kept for the answer.
  template <class Operation>
  void write(const httplib::Request& req, httplib::Response& res, Operation operation);
  void set_values(int position, const json& body, httplib::Response& res);
  void new_vehicle(const json& body, httplib::Response& res);

  options opts_;
  serve_request request_;
  std::string token_;
  int port_ = 0;
  httplib::Server http_;
};

bool server::host_allowed(const httplib::Request& req) const {
  const std::string host = req.get_header_value("Host");
  for (const std::string& h : hosts_served(request_.bind, port_)) {
    if (host == h) return true;
  }
  return false;
}

bool server::token_allowed(const httplib::Request& req) const {
  return same_secret(req.get_header_value("X-Vdb-Token"), token_);
}

void server::add_guards() {
  http_.set_payload_max_length(serve_body_limit);
  // An answer goes out as a header write and a body write: with Nagle's delay the
  // body of each answer on a kept connection waited for the client's delayed
  // acknowledgement, 40 ms a request.
  http_.set_tcp_nodelay(true);
  http_.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("X-Frame-Options", "DENY");
    res.set_header("Content-Security-Policy",
                   "default-src 'self'; img-src 'self' data:; frame-ancestors 'none'");
    if (!host_allowed(req)) {
      refuse(res, 403, {"the Host header does not name the address served"});
      return httplib::Server::HandlerResponse::Handled;
    }
    if (req.method != "GET" && req.method != "HEAD" && !token_allowed(req)) {
      refuse(res, 403, {"a writing request needs the token of the address printed at start"});
      return httplib::Server::HandlerResponse::Handled;
    }
    return httplib::Server::HandlerResponse::Unhandled;
  });
  http_.set_error_handler([](const httplib::Request&, httplib::Response& res) {
    if (res.body.empty()) refuse(res, res.status, {"no such page or operation"});
  });
  http_.set_exception_handler(
      [](const httplib::Request&, httplib::Response& res, std::exception_ptr e) {
        std::string why = "unknown failure";
        try {
          std::rethrow_exception(e);
        } catch (const csl::named_error& n) {
          why = n.full_name() + " " + n.message();
        } catch (const std::exception& x) {
          why = x.what();
        } catch (...) {
        }
        refuse(res, 500, {why});
      });
}

void server::add_pages() {
  for (const web_asset& a : web_assets()) {
    http_.Get(std::string(a.path), [&a](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string(a.body), std::string(a.content_type));
    });
  }
}

// "7" in /api/vehicle/7, 1 .. positions; none otherwise.
std::optional<int> position_in(const httplib::Request& req) {
  const std::string text = req.matches[1];
  if (text.empty() || text.size() > 4) return std::nullopt;
  const int p = std::stoi(text);
  return p >= 1 && p <= positions ? std::optional(p) : std::nullopt;
}

void server::add_reading() {
  http_.Get("/api/database", [this](const httplib::Request&, httplib::Response& res) {
    const std::lock_guard turn(database_turn);
    diagnostics_kept kept;
    bool as_expected = false;
    json doc = {{"read_only", request_.read_only}, {"stat", stat_document(as_expected)}};
    const std::optional<listing> l = listed_entries({});
    doc["list"] = l ? list_document(l->entries) : json(nullptr);
    // Each entry's library group, for the page to group and filter by.
    doc["groups"] = json::array();
    for (int g = 0; g < static_cast<int>(sm_model_vehicle_kind::group::all_groups); ++g) {
      doc["groups"].push_back(
          sm_model_vehicle_kind::image_of(static_cast<sm_model_vehicle_kind::group>(g)));
    }
    for (std::size_t i = 0; l && i < l->entries.size(); ++i) {
      const auto g = library_group_of(l->entries[i].key);
      doc["list"]["entries"][i]["group"] =
          g ? json(sm_model_vehicle_kind::image_of(*g)) : json(nullptr);
    }
    doc["messages"] = kept.lines();
    answer(res, 200, doc);
  });
  http_.Get(R"(/api/vehicle/(\d+))", [this](const httplib::Request& req, httplib::Response& res) {
    const std::optional<int> position = position_in(req);
    if (!position) return refuse(res, 404, {"a position is 1 .. 2000"});
    const std::lock_guard turn(database_turn);
    diagnostics_kept kept;
    sm_model_vehicle::data item{};
    if (!record_at(*position, item)) return refuse(res, 422, kept.lines());
    json doc = vehicle_document(*position, item);
    doc["read_only"] = request_.read_only;
    answer(res, 200, doc);
  });
  http_.Get("/api/describe", [](const httplib::Request&, httplib::Response& res) {
    // The catalogue's rows are made when first asked for: one request at a time.
    const std::lock_guard turn(database_turn);
    answer(res, 200, describe_document(*described(std::nullopt), false));
  });
  http_.Get("/api/verify", [](const httplib::Request&, httplib::Response& res) {
    const std::lock_guard turn(database_turn);
    answer(res, 200, verify_document(problems_of_database()));
  });
}

// The body of a writing request as a JSON object; none (answered) otherwise.
std::optional<json> body_of(const httplib::Request& req, httplib::Response& res) {
  json body = json::parse(req.body, nullptr, false);
  if (body.is_discarded() || !body.is_object()) {
    refuse(res, 400, {"the body is not a JSON object"});
    return std::nullopt;
  }
  return body;
}

std::string text_member(const json& body, const char* name) {
  const auto it = body.find(name);
  return it != body.end() && it->is_string() ? it->get<std::string>() : std::string();
}

template <class Operation>
void server::write(const httplib::Request& req, httplib::Response& res, Operation operation) {
  const std::optional<int> position = req.matches.size() > 1 ? position_in(req) : std::optional(0);
  if (!position) return refuse(res, 404, {"a position is 1 .. 2000"});
  const std::optional<json> body = body_of(req, res);
  if (!body) return;
  const std::lock_guard turn(database_turn);
  operation(*position, *body, res);
}

// The status of a change that was not made: bad input, or what the database holds.
int refusal_status(int code) {
  return code == exit_usage ? 400 : 422;
}

void server::set_values(int position, const json& body, httplib::Response& res) {
  set_request r{position, {}, std::nullopt};
  const auto values = body.find("values");
  if (values == body.end() || !values->is_object()) {
    return refuse(res, 400, {"give the values as {\"c200\": \"50\"}"});
  }
  for (const auto& [name, value] : values->items()) {
    if (!value.is_string()) return refuse(res, 400, {name + ": give the value as text"});
    r.assignments.push_back(name + "=" + value.get<std::string>());
  }
  if (body.contains("loaded")) {
    r.loaded = time_from(text_member(body, "loaded"));
    if (!r.loaded) return refuse(res, 400, {"\"loaded\" is not a modification time"});
  }
  diagnostics_kept kept;
  const set_outcome out = vdb::set_values(opts_, r);
  json doc = {{"messages", kept.lines()}, {"changed_since", out.changed_since}};
  // The page shows what is stored now beside what it tried to store.
  sm_model_vehicle::data item{};
  if (record_at(position, item)) doc["vehicle"] = vehicle_document(position, item);
  answer(res, out.code == exit_ok ? 200 : out.changed_since ? 409 : refusal_status(out.code), doc);
}

void server::new_vehicle(const json& body, httplib::Response& res) {
  new_vehicle_request r;
  try {
    r.library_number = body.value("library_number", -1);
    r.qualifier = body.value("qualifier", 1);
    r.issue = body.value("issue", 0);
  } catch (const json::exception&) {
    return refuse(res, 400, {"library_number, qualifier and issue are numbers"});
  }
  r.name = text_member(body, "name");
  r.class_name = text_member(body, "class");
  r.permanence = text_member(body, "permanence") == "temp" ? sm_model_vehicle_kind::temp
                                                           : sm_model_vehicle_kind::perm;
  diagnostics_kept kept;
  if (const std::optional<std::string> problem = new_vehicle_problem(r)) {
    return refuse(res, 400, {*problem});
  }
  const std::optional<int> position = stored_new_vehicle(opts_, r);
  answer(res, position ? 200 : 422,
         {{"messages", kept.lines()}, {"position", position ? json(*position) : json(nullptr)}});
}

void server::add_writing() {
  http_.Post(R"(/api/vehicle/(\d+)/set)", [this](const httplib::Request& req,
                                                 httplib::Response& res) {
    write(req, res, [this](int p, const json& b, httplib::Response& r) { set_values(p, b, r); });
  });
  http_.Post(
      R"(/api/vehicle/(\d+)/state)", [this](const httplib::Request& req, httplib::Response& res) {
        write(req, res, [this](int p, const json& b, httplib::Response& r) {
          const std::optional<csl_database::key_state> to = state_named(text_member(b, "state"));
          if (!to) return refuse(r, 400, {"a state is empty, read_only or read_write"});
          diagnostics_kept kept;
          const int code = set_state(opts_, p, *to);
          answer(r, code == exit_ok ? 200 : refusal_status(code), {{"messages", kept.lines()}});
        });
      });
  http_.Post(
      R"(/api/vehicle/(\d+)/touch)", [this](const httplib::Request& req, httplib::Response& res) {
        write(req, res, [this](int p, const json& b, httplib::Response& r) {
          diagnostics_kept kept;
          const int code = touch(opts_, p, text_member(b, "time"));
          answer(r, code == exit_ok ? 200 : refusal_status(code), {{"messages", kept.lines()}});
        });
      });
  http_.Post("/api/new", [this](const httplib::Request& req, httplib::Response& res) {
    write(req, res, [this](int, const json& b, httplib::Response& r) { new_vehicle(b, r); });
  });
}

// SIGINT and SIGTERM are taken by one thread, which stops the server; the
// server's own threads, made after they were blocked, never see them.
sigset_t stop_signals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

int server::run() {
  add_guards();
  add_pages();
  add_reading();
  if (!request_.read_only) add_writing();
  port_ = request_.port == 0
              ? http_.bind_to_any_port(request_.bind)
              : (http_.bind_to_port(request_.bind, request_.port) ? request_.port : -1);
  if (port_ <= 0) {
    complain("cannot listen on " + request_.bind + " port " + std::to_string(request_.port));
    return exit_problem;
  }
  const std::string shown_host =
      request_.bind == "0.0.0.0" ? "127.0.0.1" : host_image_of(request_.bind);
  put_line("http://" + shown_host + ":" + std::to_string(port_) + "/?token=" + token_);
  std::fflush(data());
  std::atomic<bool> done = false;
  std::atomic<bool> stopped = false;
  const sigset_t signals = stop_signals();
  std::thread stopper([&] {
    const timespec tick{0, 200'000'000};
    while (!done) {
      if (sigtimedwait(&signals, nullptr, &tick) > 0) {
        stopped = true;
        break;
      }
    }
    http_.stop();
  });
  const bool served = http_.listen_after_bind();
  done = true;
  stopper.join();
  if (stopped) complain("stopped");
  return served || stopped ? exit_ok : exit_problem;
}

}  // namespace

int serve(const options& opts, const serve_request& request) {
  const sigset_t signals = stop_signals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  server s(opts, request);
  return s.run();
}

}  // namespace vdb
