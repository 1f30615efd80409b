// The schema of the log, by version, and the steps from each older version.
#pragma once

namespace quorvel::log {

/// PRAGMA application_id of a log: "QLOG".
inline constexpr int LOG_APPLICATION_ID = 0x514c4f47;
/// PRAGMA user_version of the schema this program writes.
inline constexpr int LOG_SCHEMA_VERSION = 2;

/// The statements that create the present schema in an empty database.
const char* schemasql();

/// The statements that take a log of version `from` to version from + 1;
/// nullptr when there is no such step.
const char* migrationsql(int from);

}  // namespace quorvel::log
