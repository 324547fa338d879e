VERSION 36
"a;b";Name
"offen
