#include "tools/send/calculator_client.h"

#include <dbus/dbus.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "bus/bus_names.h"
#include "bus/session_bus_address.h"
#include "tools/send/send_output.h"

// The client talks to the bus through libdbus on this one thread: a call and its answer, then
// the end of the program, with nothing left running behind it.
namespace vantrel {
namespace {

struct ConnectionClose {
    void operator()(DBusConnection* connection) const {
        dbus_connection_close(connection);
        dbus_connection_unref(connection);
    }
};
struct MessageUnref {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using Connection = std::unique_ptr<DBusConnection, ConnectionClose>;
using Message = std::unique_ptr<DBusMessage, MessageUnref>;

class Error {
  public:
    Error() { dbus_error_init(&m_error); }
    ~Error() { dbus_error_free(&m_error); }
    Error(const Error&) = delete;
    Error& operator=(const Error&) = delete;

    DBusError* get() { return &m_error; }
    bool IsSet() const { return dbus_error_is_set(&m_error) != 0; }
    std::string_view Name() const { return m_error.name != nullptr ? m_error.name : ""; }
    std::string_view Text() const { return m_error.message != nullptr ? m_error.message : ""; }

  private:
    DBusError m_error;
};

using Reply = std::variant<Message, SendError>;

SendError NoCalculator(const std::string& why) {
    return {ExitCode::NoCalculator, "no calculator running: " + why};
}

SendError UnexpectedAnswer() {
    return {ExitCode::Failed, "the calculator's answer was not of the expected form"};
}

SendError ErrorAnswer(const Error& error) {
    const std::string_view name = error.Name();
    if (name == DBUS_ERROR_SERVICE_UNKNOWN || name == DBUS_ERROR_NAME_HAS_NO_OWNER) {
        return NoCalculator(std::string("nothing owns ") + kCalculatorService +
                            " on the session bus");
    }
    if (name.starts_with("org.freedesktop.DBus.Error.Spawn.")) {
        return NoCalculator("the session bus could not start one: " + std::string(error.Text()));
    }
    return {ExitCode::Failed,
            "the calculator refused: " + std::string(name) + ": " + std::string(error.Text())};
}

std::optional<Connection> ConnectSessionBus() {
    const std::optional<std::string> address = SessionBusAddress();
    if (!address) {
        return std::nullopt;
    }
    Error error;
    Connection connection(dbus_connection_open_private(address->c_str(), error.get()));
    if (!connection || !dbus_bus_register(connection.get(), error.get())) {
        return std::nullopt;
    }
    // The client decides itself when to end; libdbus must not end the process for it.
    dbus_connection_set_exit_on_disconnect(connection.get(), false);
    return connection;
}

// A call of the calculator object; the bus starts the calculator first when none runs and it
// knows how to. The answer must carry exactly `signature`.
Reply Call(DBusConnection& bus, const char* interface, const char* method,
           const std::vector<std::uint32_t>& words, const char* text, const char* signature) {
    const Message call(
        dbus_message_new_method_call(kCalculatorService, kCalculatorPath, interface, method));
    if (!call) {
        return SendError{ExitCode::Failed, "out of memory"};
    }
    for (const std::uint32_t word : words) {
        dbus_message_append_args(call.get(), DBUS_TYPE_UINT32, &word, DBUS_TYPE_INVALID);
    }
    if (text != nullptr) {
        dbus_message_append_args(call.get(), DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
    }
    Error error;
    Message reply(dbus_connection_send_with_reply_and_block(&bus, call.get(),
                                                            DBUS_TIMEOUT_USE_DEFAULT, error.get()));
    if (error.IsSet() || !reply) {
        return ErrorAnswer(error);
    }
    if (std::string_view(dbus_message_get_signature(reply.get())) != signature) {
        return UnexpectedAnswer();
    }
    return reply;
}

std::variant<std::string, SendError> Push(DBusConnection& bus, const char* method,
                                          MessageHalves halves) {
    const Reply reply =
        Call(bus, kCalculatorInterface, method, {halves.wParam, halves.lParam}, nullptr, "i");
    if (const auto* error = std::get_if<SendError>(&reply)) {
        return *error;
    }
    return std::string();
}

// The string inside a variant, when it holds one.
std::optional<std::string> VariantText(DBusMessageIter& variant) {
    if (dbus_message_iter_get_arg_type(&variant) != DBUS_TYPE_STRING) {
        return std::nullopt;
    }
    const char* text = nullptr;
    dbus_message_iter_get_basic(&variant, &text);
    return std::string(text);
}

// The Boolean inside a variant, when it holds one.
std::optional<bool> VariantBool(DBusMessageIter& variant) {
    if (dbus_message_iter_get_arg_type(&variant) != DBUS_TYPE_BOOLEAN) {
        return std::nullopt;
    }
    dbus_bool_t value = false;
    dbus_message_iter_get_basic(&variant, &value);
    return value != 0;
}

// Where a read-back property's text goes, or nullptr for a property that is not a text.
std::string* TextProperty(ReadBack& values, std::string_view name) {
    if (name == "DisplayText") {
        return &values.display;
    }
    if (name == "MemoryText") {
        return &values.memory;
    }
    return name == "CounterText" ? &values.counter : nullptr;
}

// Fills `values` from an a{sv} of the read-back properties; false when one is missing or of
// another type.
bool ReadProperties(DBusMessage& reply, ReadBack& values) {
    DBusMessageIter top;
    DBusMessageIter entries;
    dbus_message_iter_init(&reply, &top);
    dbus_message_iter_recurse(&top, &entries);
    int found = 0;
    for (; dbus_message_iter_get_arg_type(&entries) == DBUS_TYPE_DICT_ENTRY;
         dbus_message_iter_next(&entries)) {
        DBusMessageIter entry;
        DBusMessageIter variant;
        dbus_message_iter_recurse(&entries, &entry);
        const char* key = nullptr;
        dbus_message_iter_get_basic(&entry, &key);
        dbus_message_iter_next(&entry);
        dbus_message_iter_recurse(&entry, &variant);
        const std::string_view name(key);
        if (std::string* text = TextProperty(values, name)) {
            const std::optional<std::string> value = VariantText(variant);
            if (!value) {
                return false;
            }
            *text = *value;
            ++found;
        } else if (name == "ErrorState") {
            const std::optional<bool> error = VariantBool(variant);
            if (!error) {
                return false;
            }
            values.error = *error;
            ++found;
        }
    }
    return found == 4;
}

std::variant<std::string, SendError> Read(DBusConnection& bus) {
    const Reply reply =
        Call(bus, DBUS_INTERFACE_PROPERTIES, "GetAll", {}, kCalculatorInterface, "a{sv}");
    if (const auto* error = std::get_if<SendError>(&reply)) {
        return *error;
    }
    ReadBack values;
    if (!ReadProperties(*std::get<Message>(reply), values)) {
        return UnexpectedAnswer();
    }
    return ReadBackText(values);
}

std::vector<TapeRow> TapeRows(DBusMessage& reply) {
    std::vector<TapeRow> rows;
    DBusMessageIter top;
    DBusMessageIter lines;
    dbus_message_iter_init(&reply, &top);
    dbus_message_iter_recurse(&top, &lines);
    for (; dbus_message_iter_get_arg_type(&lines) == DBUS_TYPE_STRUCT;
         dbus_message_iter_next(&lines)) {
        DBusMessageIter fields;
        dbus_message_iter_recurse(&lines, &fields);
        const char* amount = nullptr;
        dbus_int32_t code = 0;
        dbus_bool_t normalInk = true;
        dbus_message_iter_get_basic(&fields, &amount);
        dbus_message_iter_next(&fields);
        dbus_message_iter_get_basic(&fields, &code);
        dbus_message_iter_next(&fields);
        dbus_message_iter_get_basic(&fields, &normalInk);
        rows.push_back({amount, code, normalInk != 0});
    }
    return rows;
}

std::variant<std::string, SendError> Tape(DBusConnection& bus, bool csv) {
    const Reply reply = Call(bus, kCalculatorInterface, "TapeLines", {}, nullptr, "a(sib)");
    if (const auto* error = std::get_if<SendError>(&reply)) {
        return *error;
    }
    const std::vector<TapeRow> rows = TapeRows(*std::get<Message>(reply));
    return csv ? TapeCsv(rows) : TapeText(rows);
}

}  // namespace

std::variant<std::string, SendError> SendToCalculator(const SendRequest& request) {
    const std::optional<Connection> connection = ConnectSessionBus();
    if (!connection) {
        return NoCalculator("no session bus");
    }
    DBusConnection& bus = **connection;
    switch (request.command) {
        case SendCommand::Input:
            return Push(bus, "Tavrin_INPUT", request.halves);
        case SendCommand::Operate:
            return Push(bus, "Tavrin_OPERATE", request.halves);
        case SendCommand::Read:
            return Read(bus);
        case SendCommand::Tape:
            return Tape(bus, false);
        case SendCommand::TapeCsv:
            return Tape(bus, true);
        case SendCommand::Help:
            return std::string(HelpText());
        case SendCommand::Version:
            return VersionText();
    }
    return std::string();
}

}  // namespace vantrel
