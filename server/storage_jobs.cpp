#include "server/storage_jobs.h"

#include <random>

#include "formats/protocol.h"

namespace {

// Account ids are handed out, never chosen: 12 characters without look-alikes (no 0/O, 1/I).
std::string NewAccountId() {
  static constexpr std::string_view kAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
  std::random_device device;
  std::string id;
  for (int i = 0; i < 12; ++i) id.push_back(kAlphabet[device() % kAlphabet.size()]);
  return id;
}

// The account's list into the answer; false when the store failed.
bool ListInto(Storage& storage, const std::string& accountId, StorageAnswer& answer) {
  if (ListCharacters(storage, accountId, answer.names) != StoreResult::kFailed) return true;
  answer.result = StoreResult::kFailed;
  return false;
}

void RunCreate(Storage& storage, const StorageJob& job, StorageAnswer& answer) {
  if (!ListInto(storage, job.accountId, answer)) return;
  if (static_cast<int>(answer.names.size()) >= kMaxListedCharacters) {
    answer.accountFull = true;
    answer.result = StoreResult::kNameTaken;
    return;
  }
  answer.result = AddCharacter(storage, job.accountId, job.name, job.game);
  if (answer.result == StoreResult::kDone) ListInto(storage, job.accountId, answer);
}

}  // namespace

StorageAnswer RunStorageJob(Storage& storage, StorageJob job) {
  StorageAnswer answer;
  answer.kind = job.kind;
  answer.clientId = job.clientId;
  answer.clientTag = std::move(job.clientTag);
  answer.name = job.name;
  answer.accountId = job.accountId;
  switch (job.kind) {
    case StorageJobKind::kHello:
      answer.result = FindAccount(storage, job.accountId);
      if (answer.result == StoreResult::kDone) ListInto(storage, job.accountId, answer);
      break;
    case StorageJobKind::kNewAccount:
      answer.result = StoreResult::kNameTaken;
      for (int attempt = 0; attempt < 4 && answer.result == StoreResult::kNameTaken; ++attempt) {
        answer.accountId = NewAccountId();
        answer.result = AddAccount(storage, answer.accountId);
      }
      break;
    case StorageJobKind::kCreate:
      RunCreate(storage, job, answer);
      break;
    case StorageJobKind::kDelete:
      answer.result = DeleteCharacter(storage, job.accountId, job.name);
      if (answer.result != StoreResult::kFailed) ListInto(storage, job.accountId, answer);
      break;
    case StorageJobKind::kJoin:
      answer.result = LoadGame(storage, job.accountId, job.name, answer.game);
      if (answer.result == StoreResult::kNotFound) ListInto(storage, job.accountId, answer);
      break;
    case StorageJobKind::kStoreGame:
      answer.gameBytes = job.game.size();
      answer.result = ReplaceGame(storage, job.accountId, job.name, job.game);
      break;
  }
  if (answer.result == StoreResult::kFailed) answer.error = LastStorageError(storage);
  return answer;
}
