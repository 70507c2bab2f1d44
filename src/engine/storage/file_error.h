#pragma once
// What can go wrong with a file, as a value. The engine's file readers and writers return
// these and never throw; Report_File_Failure turns them into the game's messages.
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

enum class File_Error {
    Missing,          // no file of that name
    Not_A_File,       // a folder, FIFO, device or socket where a file is due
    Too_Large,        // longer than Largest_File
    Unreadable,       // no permission, or the read itself failed
    Damaged,          // read whole, but not what the game writes
    Unwritable,       // the folder or the disk refused the new file
    Busy,             // another copy of the game kept the data folder locked too long
    Reserved_Name,    // one of the data folder's own files chosen as a saved game
    Unstorable_Text,  // a text the record format cannot hold (a double quote)
};

// A value, or the File_Error that prevented it. File_Result<> is a plain success or failure.
template <class T = std::monostate>
class [[nodiscard]] File_Result {
public:
    File_Result()
        requires std::is_same_v<T, std::monostate>
        : value_(T{}) {}
    File_Result(T value) : value_(std::move(value)) {}
    File_Result(File_Error error) : error_(error) {}

    explicit operator bool() const { return value_.has_value(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    // Meaningful only on failure.
    File_Error Error() const { return error_; }

private:
    std::optional<T> value_;
    File_Error error_ = File_Error::Damaged;
};
