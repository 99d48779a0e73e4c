// The user list usr.t: read, a learner added, written back and read again.
#include "fuzz_support.h"
#include "users/user_registry.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteScratchFile("usr.t", fuzz::Bytes(data, size));
    UserList list;
    for (const UserListFault& fault : list.Read(path)) {
        fuzz::Require(fault.line >= 0 && !fault.message.empty(), "an unclear fault");
    }
    fuzz::Require(list.Count() <= UserList::kMaxUsers, "more users than the list holds");
    const auto read = list.Entries();
    const UserList::NewUser added = list.AddNewName("Nowy Uczen");
    if (added.result == UserList::NameCheck::Accepted) {
        // A new learner never gets a folder that an existing line names.
        fuzz::Require(added.entry.Id > 0, "a new user without a positive identifier");
        for (const UserEntry& entry : read) {
            fuzz::Require(entry.Id != added.entry.Id, "a new user shares an identifier");
        }
    }
    fuzz::Require(!list.Write(path), "the user list could not be written");
    // Written and read again, the list holds the same users and the new one.
    UserList again;
    again.Read(path);
    const int expected = list.Count();
    fuzz::Require(again.Count() == expected, "users lost or gained on a round trip");
    for (int i = 1; i <= expected; ++i) {
        fuzz::Require(again.At(i)->Id == list.At(i)->Id && again.At(i)->Name == list.At(i)->Name,
                      "a user changed on a round trip");
    }
    return 0;
}
