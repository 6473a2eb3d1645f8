#pragma once

// Progress of the login on the current connection.
enum class LoginState {
    Reset = 0,
    Connected = 1,
    HandleSent = 2,
    PasswordSent = 3,
    Ready = 4,
};
