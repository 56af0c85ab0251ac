# cmake -DIN=text -DOUT=text -DVERSION=x.y.z -P crlf.cmake: the text with
# @VERSION@ filled in and Windows line ends.
cmake_minimum_required(VERSION 3.25)
file(READ ${IN} text)
string(CONFIGURE "${text}" text @ONLY)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
