#pragma once

class CliSession;

// The test e-mail, sent with the stored notification settings.
namespace MailCommands {

int testMail(CliSession &session);

} // namespace MailCommands
